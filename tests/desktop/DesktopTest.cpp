// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QWindow>
#include <QtTest>
#include <memory>
#include <vector>

#include "ui/qt/Application.h"

// The real program on an X display with a window manager that frames its
// windows, as a user's desktop does.
namespace {

constexpr int kControlOuterHeight = (2520 + 300) / 15;  // pixels, with the line of announcements

bool windowManagerRunning() {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
  xprop.waitForFinished();
  return xprop.readAllStandardOutput().contains("window id");
}

QString windowProperties(const QWidget& window) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {"-id", QString::number(window.winId()), "WM_CLASS", "_NET_WM_ICON"});
  xprop.waitForFinished();
  return QString::fromUtf8(xprop.readAllStandardOutput());
}

bool framed(const QWidget& window) {
  return window.windowHandle() != nullptr && !window.windowHandle()->frameMargins().isNull();
}

QPoint centreOf(const QWidget* widget) {
  return widget->rect().center();
}

// Starts the installed-to-be program with the given environment and
// arguments; true when its control window appears with the given title.
bool programShowsTitle(const QStringList& environment, const QStringList& arguments,
                       const QString& title) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LANG", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
  for (const QString& setting : environment) {
    env.insert(setting.section('=', 0, 0), setting.section('=', 1));
  }
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(PROGRAM), arguments);
  if (!program.waitForStarted()) return false;
  QProcess search;
  search.start(QStringLiteral("xdotool"),
               {"search", "--sync", "--limit", "1", "--name", "^" + title + "$"});
  const bool found = search.waitForFinished(15000) && search.exitCode() == 0;
  search.kill();
  search.waitForFinished();
  program.kill();
  program.waitForFinished();
  return found;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    windowManager.start(QStringLiteral("openbox"), {});
    QVERIFY(windowManager.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(windowManagerRunning(), 10000);
  }
  void cleanupTestCase() {
    windowManager.terminate();
    windowManager.waitForFinished();
  }
  void init() {
    ui::ApplyControlLook();
    app = std::make_unique<ui::Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&app->controlWindow()));
    QTRY_VERIFY_WITH_TIMEOUT(framed(app->controlWindow()), 5000);
  }
  void cleanup() { app.reset(); }

  void controlWindowHasItsOuterHeight() {
    QTRY_VERIFY_WITH_TIMEOUT(
        std::abs(app->controlWindow().frameGeometry().height() - kControlOuterHeight) <= 1, 3000);
    // The frame is real: the client area is lower than the outer height.
    QVERIFY(app->controlWindow().geometry().height() < kControlOuterHeight - 1);
  }

  void trackWindowSitsDirectlyUnderWithItsTitleBarInSight() {
    ui::FormWindow& form1 = app->controlWindow();
    ui::FormWindow& form2 = app->trackWindow();
    clickControl("CommandStart");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QTRY_VERIFY_WITH_TIMEOUT(framed(form2), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(isDirectlyUnder(form2, form1), 3000);
    // A click in the control window raises it; the frames do not overlap, so
    // the track window's title bar and close box stay in sight.
    clickControl("CommandSimulation");
    QTest::qWait(200);
    QVERIFY(!form1.frameGeometry().intersects(form2.frameGeometry()));

    // Each Start places it again, wherever the control window has gone.
    clickControl("CommandStart");  // Select
    clickControl("CommandStart");  // Stop
    form1.move(form1.x() + 150, form1.y() + 60);
    QTRY_COMPARE_WITH_TIMEOUT(form1.frameGeometry().topLeft(), QPoint(198, 108), 3000);
    clickControl("CommandStart");
    QTRY_VERIFY_WITH_TIMEOUT(isDirectlyUnder(form2, form1), 3000);
  }

  // Right of the track window while there is room; shrunk into the room
  // that is left; else below it: always inside the screen, over neither
  // window. Closing it hides it and leaves the run alone.
  void theDiagramStandsBesideTheTrackWindowInsideTheScreen() {
    ui::FormWindow& form1 = app->controlWindow();
    ui::FormWindow& form2 = app->trackWindow();
    ui::FormWindow& diagram = app->spacetimeWindow();
    clickControl("CommandStart");
    clickControl("CommandStart");  // Select: the round track runs
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QTRY_VERIFY_WITH_TIMEOUT(framed(form2) && isDirectlyUnder(form2, form1), 3000);
    if (!app->simulation().spacetime) app->core().RunAid(ui::KeyAction::Spacetime);
    QVERIFY(QTest::qWaitForWindowExposed(&diagram));
    QTRY_VERIFY_WITH_TIMEOUT(framed(diagram), 5000);
    const QRect screen = form2.screen()->availableGeometry();
    // Room right of the track window for the diagram, a little, and none
    // but below it, where the screen is high enough for that.
    const int room = screen.right() - form2.frameGeometry().left();
    const bool roomBelow = screen.bottom() - form2.frameGeometry().bottom() > 320;
    std::vector<int> widths = {form2.width(), room - 330};
    if (roomBelow) widths.push_back(room - 200);
    for (int trackWidth : widths) {
      form2.resize(trackWidth, form2.height());
      QTest::qWait(300);
      const QRect placed = diagram.frameGeometry();
      const QString where = QStringLiteral("track window %1 px wide: diagram at %2,%3 %4x%5")
                                .arg(trackWidth)
                                .arg(placed.x())
                                .arg(placed.y())
                                .arg(placed.width())
                                .arg(placed.height());
      QVERIFY2(screen.contains(placed), qPrintable(where));
      QVERIFY2(!placed.intersects(form1.frameGeometry()), qPrintable(where));
      QVERIFY2(!placed.intersects(form2.frameGeometry()), qPrintable(where));
      QVERIFY2(diagram.width() >= 240 && diagram.height() >= 240, qPrintable(where));
    }
    diagram.close();
    QTRY_VERIFY(!diagram.isVisible());
    QVERIFY(!app->simulation().spacetime);
    QCOMPARE(app->simulation().mode, engine::RunMode::Running);
    QVERIFY(form2.isVisible());
  }

  void windowsCarryTheIconAndTheDesktopId() {
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(APP_ID));
    // The installed launcher names the class the windows carry.
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(QString::fromUtf8(entry.readAll())
                .contains(QStringLiteral("\nStartupWMClass=" APP_ID "\n")));
    QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
    clickControl("CommandStart");
    QVERIFY(QTest::qWaitForWindowExposed(&app->trackWindow()));
    for (QWidget* window : {static_cast<QWidget*>(&app->controlWindow()),
                            static_cast<QWidget*>(&app->trackWindow())}) {
      const QString properties = windowProperties(*window);
      QVERIFY2(properties.contains(QStringLiteral(", \"" APP_ID "\"")), qPrintable(properties));
      QVERIFY2(properties.contains(QStringLiteral("Icon (32 x 32)")), qPrintable(properties));
    }
  }

  // Framed by the window manager, the client area is narrower than the
  // window: the title and the readout row still lie inside it, in every
  // demonstration, as the run lays them out and after the user shrinks the
  // window to its least size mid-run, enlarges it, and zooms both windows.
  void theReadoutRowLiesInsideTheClientArea() {
    ui::FormWindow& form2 = app->trackWindow();
    clickControl("CommandStart");
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    QTRY_VERIFY_WITH_TIMEOUT(framed(form2), 5000);
    for (int type = 1; type <= 3; ++type) {
      while (app->simulation().chosenType != type) clickControl("CommandSimulation");
      clickControl("CommandStart");  // Select
      QTest::qWait(300);             // the window manager applies the new width
      expectReadoutsInside(QStringLiteral("demonstration %1 as laid out").arg(type));
      for (const QSize size : {QSize(1, 1), QSize(1158, 700), QSize(400, 300)}) {
        form2.resize(size);
        QTest::qWait(200);
        expectReadoutsInside(QStringLiteral("demonstration %1 at %2 x %3")
                                 .arg(type)
                                 .arg(form2.width())
                                 .arg(form2.height()));
      }
      app->aids().setZoom(3);
      QTest::qWait(200);
      expectReadoutsInside(QStringLiteral("demonstration %1 at 300 %").arg(type));
      app->aids().setZoom(1);
      clickControl("CommandStart");  // Stop
      clickControl("CommandStart");  // Start
    }
  }

  // The language follows the system (LANGUAGE before LANG, as users expect)
  // unless --lang names one; an unknown one is English.
  void theLanguageFollowsTheSystemUnlessAsked_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::newRow("LANGUAGE=de") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=de"} << QStringList{}
                                 << QStringLiteral("Steuerung");
    QTest::newRow("LANG=de_DE") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{}
                                << QStringLiteral("Steuerung");
    QTest::newRow("--lang fr") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"--lang", "fr"}
                               << QStringLiteral("Commandes");
    QTest::newRow("--lang xx") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"--lang", "xx"}
                               << QStringLiteral("Control Display");
    QTest::newRow("LANG=C") << QStringList{"LANG=C"} << QStringList{}
                            << QStringLiteral("Control Display");
  }

  void theLanguageFollowsTheSystemUnlessAsked() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    QVERIFY(programShowsTitle(environment, arguments, title));
  }

 private:
  void expectReadoutsInside(const QString& where) {
    const ui::FormWindow& form2 = app->trackWindow();
    for (const char* name :
         {"Llength_obs", "Tlength_obs", "Lv_obs", "Tv_obs", "LLocalTime", "TLocalTime", "Text5"}) {
      const QRect box = app->trackWindow().control(name).widget()->geometry();
      QVERIFY2(QRect(QPoint(0, 0), form2.size()).contains(box),
               qPrintable(QStringLiteral("%1, %2: %3,%4 %5 x %6 in %7 x %8")
                              .arg(where, name)
                              .arg(box.left())
                              .arg(box.top())
                              .arg(box.width())
                              .arg(box.height())
                              .arg(form2.width())
                              .arg(form2.height())));
    }
  }

  void clickControl(const char* name) {
    QWidget* widget = app->controlWindow().control(name).widget();
    QTest::mouseClick(widget, Qt::LeftButton, {}, centreOf(widget));
  }

  static bool isDirectlyUnder(const QWidget& lower, const QWidget& upper) {
    const QRect below = lower.frameGeometry();
    const QRect above = upper.frameGeometry();
    return std::abs(below.top() - (above.top() + above.height())) <= 1 &&
           std::abs(below.left() - above.left()) <= 1;
  }

  QProcess windowManager;
  std::unique_ptr<ui::Application> app;
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
