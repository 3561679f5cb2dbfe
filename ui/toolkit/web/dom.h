// The page's side of the web backend (dom.js): controls as numbered DOM elements, the queue of
// the user's actions, and the one call in which the program sleeps.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/toolkit/types.h"

extern "C" {
int gw_create(int kind, int parent);
void gw_destroy(int id);
void gw_set_bounds(int id, int left, int top, int width, int height);
void gw_set_visible(int id, int visible);
void gw_set_text(int id, const char* text);
void gw_set_style(int id, const char* property, const char* value);
void gw_set_attr(int id, const char* name, const char* value);
void gw_focus(int id);
int gw_focused(int id);
void gw_focus_item(int id, int index);
int gw_focused_item(int id);
void gw_select_all(int id);
int gw_text_width(const char* font, const char* text);
int gw_text_height(const char* font);
void gw_set_columns(int id, const char* text, const int* lefts, int count, int width);
int gw_get_text(int id, char* buffer, int size);
void gw_edit_type(int id, int ch);
void gw_set_items(int id, const char* items, int index);
void gw_set_rows(int id, const int* rects, int count);
void gw_set_item_index(int id, int index);
int gw_checked(int id);
void gw_set_checked(int id, int checked);
void gw_set_form(int id, int what, int other);
void gw_show_modal(int id, int owner);
void gw_close(int id);
void gw_centre(int id, int centred);
void gw_announce(int id, const char* text);
int gw_message_box(const char* title, const char* text, int error);
int gw_next_event(int* event);
int gw_wait(int ms);
double gw_now();
unsigned gw_seed();
void gw_beep();
void gw_open(const char* url);
void gw_ended();
}

namespace gapwise::web {

// What gw_create makes.
enum TKind : int {
  kMainForm,
  kDialogForm,
  kPanel,
  kLabel,
  kColumnLabel,
  kButton,
  kCheckBox,
  kEdit,
  kRadioGroup,
  kStaticText
};

// What gw_set_form sets.
enum TFormSetting : int { kKeyPreview };

// A text that the page writes into a buffer (write(buffer, size) gives its whole length in bytes),
// read once more into a buffer large enough when it did not fit.
std::string ReadText(const std::function<int(char* buffer, int size)>& write);

// The CSS font and colour of the toolkit's descriptions; Times New Roman is drawn with the
// Liberation Serif that the page ships.
std::string CssFont(const TFont& font);
std::string CssColor(TColor color, bool text);

}  // namespace gapwise::web
