// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The page's side of the web platform, written in JavaScript (glue.js here).
// Geometry in CSS pixels; windows and controls by number, kinds and edges by
// name.
extern "C" {
// A panel with a frame of `border` pixels round a title bar `titleHeight`
// high and the client area; its close box is named `closeLabel`.
void web_window_create(int window, const char* caption, double clientWidth, double clientHeight,
                       int resizable, double border, double titleHeight, const char* closeLabel);
// Device pixels to the CSS pixel, as the page is shown now.
double web_device_ratio();
// "left", "top", "width", "height" of the outer rectangle, or "clientWidth"
// and "clientHeight".
double web_window_outer(int window, const char* edge);
void web_window_set_outer(int window, const char* edge, double pixels);
void web_window_set_visible(int window, int visible);
int web_window_visible(int window);
void web_window_request_paint(int window);
// The changed rectangle of a window's pixels, in device pixels, ratio of them
// to the CSS pixel.
void web_canvas_put(int window, const std::uint32_t* pixels, int width, int height, double ratio,
                    int x, int y, int w, int h);

// kind: "button", "textBox", "multiLineTextBox" or "label".
void web_control_create(int window, int control, const char* kind, const char* name, double left,
                        double top, double width, double height, int centred, int foreColour,
                        int clickable);
void web_control_set_text(int control, const char* text);
void web_control_set_visible(int control, int visible);
void web_control_set_back(int control, int colour);
void web_control_set_fore(int control, int colour);
void web_control_move(int control, double left, double top);
void web_control_set_accessible_name(int control, const char* name);
void web_control_set_tip(int control, const char* tip);

// The text in the page's catalogue, allocated with malloc; null when it has none.
char* web_translate(const char* context, const char* source);
// The user's languages, most wanted first, and the page's catalogues: a line
// each, allocated with malloc.
char* web_preferred_languages();
char* web_catalogue_languages();
// Loads the catalogue of a language, then calls web_start.
void web_load_catalogue(const char* language);
// The page address's query ("?demo=2&v=24"), allocated with malloc.
char* web_query();
// Tells the page's console why part of its link was left out.
void web_warn(const char* text);
// A choice kept in the browser's storage, allocated with malloc; null when
// none is kept or storage is refused. Keeping one may be refused too.
char* web_setting(const char* key);
void web_set_setting(const char* key, const char* value);
// An aid only the page can give (saving, copying, the key list, full
// screen), by its name.
void web_page_action(const char* name);
// Said politely to a screen reader, through a live region no one sees.
void web_announce(const char* text);
// A window's picture, told in words as its text alternative.
void web_describe_picture(int window, const char* text);
// Whether the browser answers a media query ("(prefers-contrast: more)").
int web_media_matches(const char* query);

void web_timer_start(int timer, double milliseconds);  // below 0: as soon as events allow
void web_timer_cancel(int timer);
void web_program_ended();
void web_frame_drawn();
}
