# The help's pages, its style sheet and its front page (index.html, configured with the version):
# compiled into gapwise.chm on the desktop, shipped as they are with the page in a browser.
set(HELP_PAGES
  addition.html answers.html countdown.html division.html keys.html multiplication.html
  options.html playing.html score.html subtraction.html)
