// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest>
#include <memory>

#include "ui/qt/Application.h"

namespace {

QWidget* widgetOf(ui::FormWindow& window, const char* name) {
  return window.control(name).widget();
}

void click(ui::FormWindow& window, const char* name) {
  QTest::mouseClick(widgetOf(window, name), Qt::LeftButton);
}

// The controls shown, but the line of announcements, which every state shows.
QStringList visibleNames(ui::FormWindow& window, const ui::WindowLayout& stored) {
  QStringList names;
  for (const ui::StoredControl& c : stored.controls) {
    if (window.control(c.name).isVisible() && c.name != "TAnnounce")
      names << QString::fromUtf8(c.name.data(), c.name.size());
  }
  names.sort();
  return names;
}

QStringList sorted(QStringList names) {
  names.sort();
  return names;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ui::ApplyControlLook();
    app = std::make_unique<ui::Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&app->controlWindow()));
  }
  void cleanup() { app.reset(); }

  void startUpShowsOnlyStartAndCancel() {
    ui::FormWindow& form1 = app->controlWindow();
    QCOMPARE(form1.windowTitle(), QStringLiteral("Control Display"));
    QCOMPARE(app->trackWindow().windowTitle(), QStringLiteral("Track Display"));
    QCOMPARE(visibleNames(form1, ui::ControlWindowLayout()),
             sorted({"CommandStart", "CommandCancel"}));
    QVERIFY(widgetOf(form1, "CommandStart")->isVisible());
    QVERIFY(!app->trackWindow().isVisible());
    const QImage shot = form1.grab().toImage();
    QCOMPARE(shot.pixel(shot.width() - 3, shot.height() - 3), qRgb(192, 192, 192));
  }

  void everyStoredCaptionFitsItsControl() {
    for (auto [window, stored] : {std::pair{&app->controlWindow(), &ui::ControlWindowLayout()},
                                  std::pair{&app->trackWindow(), &ui::TrackWindowLayout()}}) {
      for (const ui::StoredControl& c : stored->controls) {
        // Text boxes hold readouts; their stored texts are overwritten before they show.
        const bool caption = c.kind == ui::ControlKind::Button || c.kind == ui::ControlKind::Label;
        if (!caption && c.name != "TControl") continue;
        QWidget* widget = window->control(c.name).widget();
        const QString text = QString::fromUtf8(c.text.source);
        const QFontMetrics metrics(widget->font());
        const int room = widget->width() - (c.kind == ui::ControlKind::Label ? 0 : 6);
        QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(text));
        QVERIFY2(metrics.height() <= widget->height(), qPrintable(text));
      }
    }
  }

  void theListShowsAllThreeDemonstrations() {
    auto* list = qobject_cast<QPlainTextEdit*>(widgetOf(app->controlWindow(), "Text7"));
    QVERIFY(list != nullptr);
    const QFontMetrics metrics(list->font());
    const int lines = 3 * metrics.lineSpacing() +
                      2 * static_cast<int>(list->document()->documentMargin()) +
                      2 * list->frameWidth();
    QVERIFY2(lines <= list->height(), qPrintable(QString::number(lines)));
    for (const char* line : {"1 = Round Track", "2 = Horse Racing Track", "3 = Terrell rotation"}) {
      QVERIFY(metrics.horizontalAdvance(QString::fromUtf8(line)) +
                  2 * static_cast<int>(list->document()->documentMargin()) +
                  2 * list->frameWidth() <=
              list->width());
    }
  }

  void aRunStartedAndStoppedByClicksWalksTheStates() {
    ui::FormWindow& form1 = app->controlWindow();
    ui::FormWindow& form2 = app->trackWindow();
    click(form1, "CommandStart");
    QCOMPARE(form1.control("CommandStart").text(), std::string("Select"));
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QCOMPARE(form2.frameGeometry().top(), form1.frameGeometry().bottom() + 1);
    QCOMPARE(form2.frameGeometry().left(), form1.frameGeometry().left());
    click(form1, "CommandSimulation");
    QCOMPARE(form1.control("LType").text(), std::string(" 2"));

    click(form1, "CommandStart");
    QCOMPARE(form1.control("CommandStart").text(), std::string("Stop"));
    QCOMPARE(form2.control("Text5").text(), std::string("Train on long track Demonstration"));
    QCOMPARE(form1.control("Tcc").text(), std::string("30"));
    click(form1, "CommandVinc");
    click(form1, "CommandVinc");
    QTRY_VERIFY_WITH_TIMEOUT(app->simulation().nframes >= 3, 8000);
    QCOMPARE(form1.control("Tv").text(), std::string("2"));
    QVERIFY(form1.control("CommandFreeze").isVisible());
    QVERIFY(app->runLoop().framesDrawn() >= 4);

    click(form1, "TControl");
    QCOMPARE(form1.control("TControl").text(), std::string("ON"));
    click(form1, "CommandStart");
    QCOMPARE(form1.control("CommandStart").text(), std::string("Start"));
    QTRY_COMPARE_WITH_TIMEOUT(app->runLoop().phase(), engine::RunLoop::Phase::Idle, 1000);
    QCOMPARE(visibleNames(form1, ui::ControlWindowLayout()),
             sorted({"CommandStart", "CommandCancel"}));
    QVERIFY(visibleNames(form2, ui::TrackWindowLayout()).isEmpty());
    QVERIFY(form2.isVisible());
  }

  void closingTheTrackWindowHidesItUntilSelect() {
    ui::FormWindow& form1 = app->controlWindow();
    ui::FormWindow& form2 = app->trackWindow();
    click(form1, "CommandStart");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QVERIFY(form2.close());  // accepted: a refused close would refuse quitting too
    QVERIFY(!form2.isVisible());
    QVERIFY(!app->program().ended());
    click(form1, "CommandStart");  // Select shows the picture it runs on
    QVERIFY(form2.isVisible());
    QCOMPARE(app->runLoop().phase(), engine::RunLoop::Phase::Running);
  }

  void closingTheTrackWindowDuringARunStopsIt() {
    ui::FormWindow& form1 = app->controlWindow();
    ui::FormWindow& form2 = app->trackWindow();
    click(form1, "CommandStart");
    click(form1, "CommandStart");
    click(form1, "CommandVinc");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QVERIFY(form2.close());  // accepted: a refused close would refuse quitting too
    QVERIFY(!form2.isVisible());
    QCOMPARE(form1.control("CommandStart").text(), std::string("Start"));
    QTRY_COMPARE_WITH_TIMEOUT(app->runLoop().phase(), engine::RunLoop::Phase::Idle, 1000);
    const auto frames = app->runLoop().framesDrawn();
    QTest::qWait(300);
    QCOMPARE(app->runLoop().framesDrawn(), frames);
    click(form1, "CommandStart");
    QVERIFY(form2.isVisible());
  }

  void closingTheControlWindowEndsTheProgram() {
    ui::FormWindow& form1 = app->controlWindow();
    click(form1, "CommandStart");
    click(form1, "CommandStart");
    form1.close();
    QVERIFY(app->program().ended());
  }

  void buttonsWorkFromTheKeyboard() {
    ui::FormWindow& form1 = activeControlWindow();
    QWidget* start = widgetOf(form1, "CommandStart");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    QCOMPARE(form1.control("CommandStart").text(), std::string("Select"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widgetOf(form1, "CommandCancel"));
    QWidget* simulation = widgetOf(form1, "CommandSimulation");
    simulation->setFocus();
    QTest::keyClick(simulation, Qt::Key_Return);
    QTRY_COMPARE(form1.control("LType").text(), std::string(" 2"));
  }

  // Tab walks the screen left to right and top to bottom, in every state.
  void tabFollowsTheScreen() {
    ui::FormWindow& form1 = activeControlWindow();
    click(form1, "CommandStart");
    QCOMPARE(tabChain(form1), QStringList({"CommandStart", "CommandCancel", "Text5", "Text7",
                                           "CommandSimulation", "LType", "TAnnounce"}));
    click(form1, "CommandStart");
    click(form1, "CommandVinc");
    QCOMPARE(tabChain(form1), QStringList({"CommandStart", "CommandCancel", "Text5", "CommandVinc",
                                           "Tv", "CommandFreeze", "CommandVdec", "Tcc",
                                           "CommandVzero", "TControl", "TTime", "TAnnounce"}));
    // Shift+Tab goes back the same way.
    widgetOf(form1, "CommandStart")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), widgetOf(form1, "TAnnounce"));
  }

  void contractionAndTypeSwitchFromTheKeyboard() {
    ui::FormWindow& form1 = activeControlWindow();
    click(form1, "CommandStart");
    QWidget* type = widgetOf(form1, "LType");
    type->setFocus();
    QCOMPARE(QApplication::focusWidget(), type);
    QTest::keyClick(type, Qt::Key_Space);
    QTest::keyClick(type, Qt::Key_Return);
    QCOMPARE(form1.control("LType").text(), std::string(" 3"));
    click(form1, "CommandStart");
    QWidget* contraction = widgetOf(form1, "TControl");
    contraction->setFocus();
    QTest::keyClick(contraction, Qt::Key_Space);
    QCOMPARE(form1.control("TControl").text(), std::string("ON"));
    QTest::keyClick(contraction, Qt::Key_Return);
    QCOMPARE(form1.control("TControl").text(), std::string("OFF"));
    QTest::keyClick(contraction, Qt::Key_Enter);
    QCOMPARE(form1.control("TControl").text(), std::string("ON"));
  }

  // The boxes show what the program wrote: typing changes none of them.
  void boxesThatTheProgramWritesAreReadOnly() {
    ui::FormWindow& form1 = activeControlWindow();
    click(form1, "CommandStart");
    click(form1, "CommandStart");
    click(form1, "CommandVinc");
    ui::FormWindow& form2 = app->trackWindow();
    const std::pair<ui::FormWindow*, const char*> boxes[] = {
        {&form1, "Tv"},     {&form1, "Tcc"},       {&form1, "TTime"}, {&form1, "Text5"},
        {&form1, "Text7"},  {&form1, "TControl"},  {&form2, "Text5"}, {&form2, "Tlength_obs"},
        {&form2, "Tv_obs"}, {&form2, "TLocalTime"}};
    for (const auto& [window, name] : boxes) {
      const std::string before = window->control(name).text();
      QWidget* box = widgetOf(*window, name);
      QTest::keyClicks(box, QStringLiteral("10"));
      QTest::keyClick(box, Qt::Key_Backspace);
      QTest::keyClick(box, Qt::Key_Delete);
      QCOMPARE(window->control(name).text(), before);
    }
    QCOMPARE(form1.control("Text7").text(),
             std::string("1 = Round Track\r\n2 = Horse Racing Track\r\n3 = Terrell rotation"));
  }

  void screenReadersHearTheTypeAndEveryReadout() {
    ui::FormWindow& form1 = app->controlWindow();
    click(form1, "CommandStart");
    QCOMPARE(accessibleText(form1, "LType", QAccessible::Name),
             QStringLiteral("Demonstration type 1"));
    click(form1, "CommandSimulation");
    QCOMPARE(accessibleText(form1, "LType", QAccessible::Name),
             QStringLiteral("Demonstration type 2"));
    click(form1, "CommandStart");
    click(form1, "CommandVinc");
    QTRY_VERIFY_WITH_TIMEOUT(app->simulation().nframes >= 6, 8000);
    ui::FormWindow& form2 = app->trackWindow();
    const std::pair<ui::FormWindow*, const char*> readouts[] = {
        {&form1, "Tv"},          {&form1, "Tcc"},    {&form1, "TTime"},     {&form1, "TControl"},
        {&form2, "Tlength_obs"}, {&form2, "Tv_obs"}, {&form2, "TLocalTime"}};
    for (const auto& [window, name] : readouts) {
      QCOMPARE(accessibleText(*window, name, QAccessible::Value),
               QString::fromStdString(window->control(name).text()));
    }
    QCOMPARE(accessibleText(form1, "Tv", QAccessible::Value), QStringLiteral("1"));
    QCOMPARE(accessibleText(form1, "Tv", QAccessible::Name), QStringLiteral("Speed v"));
  }

  void controlsHaveAccessibleNamesAndTips() {
    ui::FormWindow& form1 = app->controlWindow();
    for (const ui::StoredControl& c : ui::ControlWindowLayout().controls) {
      QWidget* widget = form1.control(c.name).widget();
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      QVERIFY(accessible != nullptr);
      const QString name = accessible->text(QAccessible::Name);
      if (c.kind == ui::ControlKind::Button) {
        QCOMPARE(name, QString::fromStdString(form1.control(c.name).text()));
      } else {
        QVERIFY2(!name.isEmpty(), c.name.data());
      }
      if (c.kind != ui::ControlKind::Button) QVERIFY2(!widget->toolTip().isEmpty(), c.name.data());
    }
    for (const ui::StoredControl& c : ui::TrackWindowLayout().controls) {
      QWidget* widget = app->trackWindow().control(c.name).widget();
      QVERIFY2(!widget->toolTip().isEmpty(), c.name.data());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(widgetOf(app->trackWindow(), "TLocalTime"))
                 ->text(QAccessible::Name),
             QStringLiteral("Proper time"));
  }

  void trackWindowKeepsAPositiveScale() {
    ui::FormWindow& form2 = app->trackWindow();
    form2.window().setHeight(300);
    QVERIFY(form2.window().height() >= 2400);
    click(app->controlWindow(), "CommandStart");
    click(app->controlWindow(), "CommandStart");
    QVERIFY(app->simulation().fract > 0);
  }

 private:
  ui::FormWindow& activeControlWindow() {
    ui::FormWindow& form1 = app->controlWindow();
    form1.activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&form1)); }();
    return form1;
  }

  // The controls Tab visits, from "Start" once round.
  static QStringList tabChain(ui::FormWindow& window) {
    QWidget* first = widgetOf(window, "CommandStart");
    first->setFocus();
    QStringList chain{first->objectName()};
    for (int tabs = 0; tabs < 30; ++tabs) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == first) break;
      chain << QApplication::focusWidget()->objectName();
    }
    return chain;
  }

  static QString accessibleText(ui::FormWindow& window, const char* name, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(widgetOf(window, name))->text(kind);
  }

  std::unique_ptr<ui::Application> app;
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
