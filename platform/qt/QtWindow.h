// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/Control.h"
#include "platform/qt/ImageSurface.h"

namespace platform {

// A top-level window whose client area is a drawing surface; its child
// controls sit on top of the picture. Geometry in twips, outer rectangle.
class QtWindow : public QWidget, public Window {
 public:
  explicit QtWindow(float clientWidth, float clientHeight);

  void onResize(std::function<void()> handler) { resizeHandler_ = std::move(handler); }
  // What a click on the title bar's close box does; by default the window hides.
  void onClose(std::function<void()> handler) { closeHandler_ = std::move(handler); }

  ImageSurface& imageSurface() { return surface_; }

  float left() const override;
  float top() const override;
  float width() const override;
  float height() const override;
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void setWidth(float twips) override;
  void setHeight(float twips) override;
  bool isVisible() const override { return QWidget::isVisible(); }
  void setVisible(bool visible) override { QWidget::setVisible(visible); }
  Surface& surface() override { return surface_; }

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

  QSize frameExtra() const;
  void applyOuterRequest();
  void reapplyIfFrameChanged();
  bool awaitingFrame() const;

  OuterRequest asked_;
  QMargins frameUsed_;
  // The frame's arrival raises no event of its own: while a request waits
  // for it, the window looks a few times a second, for a short while.
  QTimer frameWatch_;
  int frameLooksLeft_ = 0;

  ImageSurface surface_;
  std::function<void()> resizeHandler_;
  std::function<void()> closeHandler_;
};

}  // namespace platform
