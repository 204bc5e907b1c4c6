#pragma once
// The container window "Memory" that holds the memory cell windows. It reports
// its sizes in twips and hands its resize and close to the MemoryController;
// where the cells go is computed in memory/memory_layout.

#include <QMdiArea>
#include <QWidget>

#include "memory/memory_layout.h"

namespace mezura {

class MemoryController;

class MDIForm1 : public QWidget {
  Q_OBJECT

 public:
  /// Where the window is made and its size then (the client area), twips.
  static constexpr TwipRect kStartTwips{1635, 1980, 1935, 630};

  explicit MDIForm1(MemoryController& controller, QWidget* parent = nullptr);

  QMdiArea* Area() const { return m_area; }

  /// Sizes in twips, for the layout.
  ContainerMetrics Metrics() const;
  /// The place (the client area's top-left) and the frame's outer size.
  TwipRect FrameTwips() const;
  /// Keeps the frame's Left and Top and gives the frame this outer size.
  void ResizeFrameTwips(double widthTwips, double heightTwips);
  void MoveFrameTwips(double leftTwips, double topTwips);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MemoryController& m_controller;
  QMdiArea* m_area;
  // The client size last asked for or taken from the user.
  QSize m_size;
  bool m_watchingHandle = false;
};

}  // namespace mezura
