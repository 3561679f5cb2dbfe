#!/usr/bin/env bash
# The test run's Wine prefix (WINEPREFIX) as the window tests want it: Times New Roman drawn with
# Liberation Serif, a face with the same metrics (fonts-liberation2), and top-level windows that
# Wine frames itself, since Xvfb has no window manager (with one expected, Wine waits up to two
# seconds for it each time a window is hidden).
set -euo pipefail
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
