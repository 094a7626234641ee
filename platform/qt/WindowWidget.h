// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/ChangedAreas.h"
#include "platform/qt/ImageSurface.h"

namespace platform {

// A top-level window whose client area is a drawing surface; its child
// controls sit on top of the picture.
class WindowWidget : public QWidget {
 public:
  explicit WindowWidget(QSize clientPixels);

  void onResize(std::function<void()> handler) { resizeHandler_ = std::move(handler); }
  // What a click on the title bar's close box does besides hiding the window.
  void onClose(std::function<void()> handler) { closeHandler_ = std::move(handler); }

  ImageSurface& imageSurface() { return surface_; }

  // How many times larger than stored the window shows everything: its
  // controls, their fonts and the picture. Twips stay twips, so the program
  // sees the same window at every zoom.
  double zoom() const { return zoom_; }
  // Scales the client area and its least size with the zoom; the picture
  // follows at the new resolution.
  void setZoom(double zoom);
  // The least client area, in twips, at every zoom.
  void setLeastClientSize(float widthTwips, float heightTwips);
  int toPixels(float twips) const;
  float toTwips(int pixels) const;

  // The outer (frame) rectangle, in pixels. Asked before the window manager
  // has framed the window, it is asked again once the frame is known.
  void requestOuterLeft(int pixels);
  void requestOuterTop(int pixels);
  void requestOuterWidth(int pixels);
  void requestOuterHeight(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The outer rectangle the program asked for. A window manager frames a
  // window only after it is shown, so what was asked before is asked again
  // once the frame is known; later frames leave the user's own moves alone.
  struct OuterRequest {
    std::optional<int> left, top, width, height;  // pixels
  };

  void applyOuterRequest();
  void reapplyIfFrameChanged();
  bool awaitingFrame() const;

  OuterRequest asked_;
  QMargins frameUsed_;
  // The frame's arrival raises no event of its own: while a request waits
  // for it, the window looks a few times a second, for a short while.
  QTimer frameWatch_;
  int frameLooksLeft_ = 0;

  void resizeSurface();
  void changed(const QRect& area);

  double zoom_ = 1;
  // The client area in twips, as last sized other than by a zoom: zooming
  // in and out again gives back the same pixels.
  QSizeF clientTwips_;
  bool zooming_ = false;
  float leastWidth_ = 0, leastHeight_ = 0;  // twips
  ImageSurface surface_;
  // What a frame changed, kept as a few rectangles and handed to Qt once
  // the frame is drawn: Qt unites every rectangle it is given with all the
  // others so far, a frame's many small ones at a cost of their own.
  ChangedAreas changedSinceShown_;
  QTimer showChanges_;
  std::function<void()> resizeHandler_;
  std::function<void()> closeHandler_;
};

}  // namespace platform
