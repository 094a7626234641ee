// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching aids on the real windows: every key the list names does what
// the list says, the saved picture is the window's with text naming it, a
// failed save says why and the run goes on, and the choices last.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/qt/Application.h"

namespace {

QWidget* widgetOf(ui::FormWindow& window, const char* name) {
  return window.control(name).widget();
}

void click(ui::FormWindow& window, const char* name) {
  QTest::mouseClick(widgetOf(window, name), Qt::LeftButton);
}

// The first shown top-level widget of a type, once it has appeared.
template <typename Widget>
Widget* waitForShown(int timeout = 20000) {
  Widget* found = nullptr;
  const bool shown = QTest::qWaitFor(
      [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
          if (auto* typed = qobject_cast<Widget*>(widget); typed && typed->isVisible()) {
            found = typed;
            return true;
          }
        }
        return false;
      },
      timeout);
  return shown ? found : nullptr;
}

// Runs an action that opens a modal dialog, and answers the dialog; one that
// never shows the dialog expected fails, and whatever did open is closed.
template <typename Dialog>
void answer(const std::function<void()>& open, const std::function<void(Dialog*)>& reply) {
  bool answered = false;
  QTimer::singleShot(0, [&] {
    Dialog* dialog = waitForShown<Dialog>();
    if (dialog != nullptr) {
      reply(dialog);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    }
    answered = dialog != nullptr;
  });
  open();
  QVERIFY(answered);
}

// A folder for pictures, away from /tmp: the file dialog looks at every file
// of the folders above the one it shows.
QString quietFolderBase() {
  QString base =
      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/pictures-XXXXXX";
  QDir().mkpath(QFileInfo(base).path());
  return base;
}

}  // namespace

class AidsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train")).clear();
    ui::ApplyControlLook();
    app = std::make_unique<ui::Application>();
    app->controlWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app->controlWindow()));
  }
  void cleanup() { app.reset(); }

  // The list opens with its key and closes with Escape; every key it lists
  // does what the list says it does, whichever control of either window has
  // the keyboard: a button, the contraction switch, a readout, the title.
  void everyListedKeyDoesWhatTheListSays_data() {
    QTest::addColumn<bool>("inTrackWindow");
    QTest::addColumn<QString>("control");
    QTest::newRow("Start") << false << "CommandStart";
    QTest::newRow("contraction switch") << false << "TControl";
    QTest::newRow("speed box") << false << "Tv";
    QTest::newRow("title box") << true << "Text5";
    QTest::newRow("observed length") << true << "Tlength_obs";
  }

  void everyListedKeyDoesWhatTheListSays() {
    QFETCH(bool, inTrackWindow);
    QFETCH(QString, control);
    // The file dialog opens in a folder of its own, not among the build's files.
    QTemporaryDir pictures(quietFolderBase());
    QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train"))
        .setValue(QStringLiteral("pictureFolder"), pictures.path());
    ui::FormWindow& f = app->controlWindow();
    engine::Module1& m = app->simulation();
    startRun(2);
    click(f, "CommandVinc");
    ui::FormWindow& keyboard = inTrackWindow ? app->trackWindow() : f;
    QWidget* focus = widgetOf(keyboard, control.toLatin1().constData());
    for (const ui::KeyHelp& key : ui::KeyList()) {
      if (!key.onDesktop || key.action == ui::KeyAction::None) continue;
      for (const char* name : key.keys) {
        if (*name == '\0') continue;
        const QKeySequence sequence = QKeySequence::fromString(QString::fromLatin1(name));
        // Each key goes to the focused control, as a user presses it.
        const auto press = [&] {
          keyboard.activateWindow();
          QVERIFY(QTest::qWaitForWindowActive(&keyboard));
          focus->setFocus();
          QTest::keySequence(focus, sequence);
        };
        switch (key.action) {
          case ui::KeyAction::Step: {
            click(f, "CommandFreeze");
            QTRY_COMPARE(app->runLoop().phase(), engine::RunLoop::Phase::Frozen);
            const auto frozen = app->runLoop().framesDrawn();
            press();
            QTRY_COMPARE(app->runLoop().framesDrawn(), frozen + 1);
            QCOMPARE(app->runLoop().phase(), engine::RunLoop::Phase::Frozen);
            click(f, "CommandFreeze");
            break;
          }
          case ui::KeyAction::SlowMotion: {
            const bool before = m.slowMotion;
            press();
            QCOMPARE(m.slowMotion, !before);
            press();
            break;
          }
          case ui::KeyAction::Palette: {
            press();
            QCOMPARE(m.palette, engine::Palette::Projector);
            press();
            QCOMPARE(m.palette, engine::Palette::Usual);
            break;
          }
          case ui::KeyAction::Spacetime: {
            press();
            QVERIFY(m.spacetime);
            QTRY_VERIFY(app->spacetimeWindow().isVisible());
            press();
            QVERIFY(!m.spacetime);
            QTRY_VERIFY(!app->spacetimeWindow().isVisible());
            break;
          }
          case ui::KeyAction::SavePicture:
            answer<QFileDialog>(press, [](QFileDialog* dialog) { dialog->reject(); });
            break;
          case ui::KeyAction::CopyPicture: {
            QGuiApplication::clipboard()->clear();
            press();
            const QImage copied = QGuiApplication::clipboard()->image();
            QCOMPARE(copied.size(), app->aids().picture().size());
            break;
          }
          case ui::KeyAction::KeyList: {
            press();
            QDialog* list = app->aids().keyList();
            QVERIFY(list != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(list));
            QVERIFY(list->findChild<QLabel*>()->text().contains(QStringLiteral("Ctrl+S")));
            QTest::keyClick(list, Qt::Key_Escape);
            QTRY_VERIFY(!list->isVisible());
            break;
          }
          case ui::KeyAction::ZoomIn:
          case ui::KeyAction::ZoomOut:
          case ui::KeyAction::UsualSize: {
            // From 1.5 times: in a step, out a step, or back to the usual size.
            app->aids().setZoom(1.5);
            press();
            const double expected = key.action == ui::KeyAction::ZoomIn    ? 1.75
                                    : key.action == ui::KeyAction::ZoomOut ? 1.25
                                                                           : 1;
            QCOMPARE(app->aids().zoom(), expected);
            QCOMPARE(f.width(), qRound(4935 / 15.0 * expected));
            app->aids().setZoom(1);
            break;
          }
          case ui::KeyAction::Describe: {
            // The whole description, at once, in the line a screen reader hears.
            auto* line = static_cast<QLineEdit*>(widgetOf(f, "TAnnounce"));
            line->clear();
            press();
            QVERIFY(line->text().startsWith(QStringLiteral("Horse Racing Track.")));
            QVERIFY(line->text().contains(QStringLiteral("v = 1, c = 30.")));
            break;
          }
          case ui::KeyAction::None:
          case ui::KeyAction::FullScreen:
            QFAIL(name);
        }
      }
    }
    // The same actions sit in the track window's menu and the diagram's.
    for (QWidget* window : {static_cast<QWidget*>(&app->trackWindow()),
                            static_cast<QWidget*>(&app->spacetimeWindow())}) {
      QCOMPARE(window->contextMenuPolicy(), Qt::ActionsContextMenu);
      QCOMPARE(window->actions().size(), 11);
    }
  }

  // The file holds the window's own pixels and text naming what it shows;
  // the dialog opens on a name that says the same.
  void theSavedPictureIsTheWindowWithTextNamingIt() {
    ui::FormWindow& f = app->controlWindow();
    startRun(2);
    for (int i = 0; i < 5; ++i) click(f, "CommandVinc");
    click(f, "TControl");
    click(f, "CommandFreeze");
    QTRY_COMPARE(app->runLoop().phase(), engine::RunLoop::Phase::Frozen);
    const QImage expected = app->aids().picture();
    QTemporaryDir last(quietFolderBase()),
        folder(quietFolderBase());  // opens in one, saves to the other
    QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train"))
        .setValue(QStringLiteral("pictureFolder"), last.path());
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    answer<QFileDialog>([&] { app->aids().action(ui::KeyAction::SavePicture)->trigger(); },
                        [&](QFileDialog* dialog) {
                          QCOMPARE(dialog->selectedFiles().value(0),
                                   last.filePath(QStringLiteral("relativity-train-2-v5.png")));
                          dialog->selectFile(path);
                          static_cast<QDialog*>(dialog)->accept();
                        });
    const QImage saved(path);
    QCOMPARE(saved.size(), expected.size());
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(saved.text(QStringLiteral("Title")), QStringLiteral("Horse Racing Track"));
    QCOMPARE(saved.text(QStringLiteral("Demonstration")), QStringLiteral("2"));
    QCOMPARE(saved.text(QStringLiteral("v")), QStringLiteral("5"));
    QCOMPARE(saved.text(QStringLiteral("Contraction")), QStringLiteral("on"));
    QCOMPARE(saved.text(QStringLiteral("Frame")), QString::number(app->runLoop().frameOfRun()));
    // The folder is remembered for the next save.
    QCOMPARE(QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train"))
                 .value(QStringLiteral("pictureFolder"))
                 .toString(),
             folder.path());
    // While the spacetime diagram has the keyboard, the picture is the diagram.
    app->core().RunAid(ui::KeyAction::Spacetime);
    ui::FormWindow& diagram = app->spacetimeWindow();
    diagram.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&diagram));
    QCOMPARE(app->aids().pictureName(), QStringLiteral("relativity-train-2-v5-spacetime.png"));
    QCOMPARE(app->aids().picture().size(), diagram.grab().size());
    QVERIFY(app->aids().picture().size() != expected.size());
    app->core().RunAid(ui::KeyAction::Spacetime);
  }

  void aFailedSaveSaysWhyAndTheRunGoesOn() {
    ui::FormWindow& f = app->controlWindow();
    startRun(1);
    click(f, "CommandVinc");
    QTemporaryDir pictures(quietFolderBase());
    QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train"))
        .setValue(QStringLiteral("pictureFolder"), pictures.path());
    // A folder that is not there: the one failure even root meets here.
    const QString nowhere = pictures.filePath(QStringLiteral("gone/relativity-train.png"));
    QString told;
    answer<QFileDialog>([&] { app->aids().action(ui::KeyAction::SavePicture)->trigger(); },
                        [&](QFileDialog* dialog) {
                          dialog->selectFile(nowhere);
                          QTimer::singleShot(0, [&] {
                            QMessageBox* box = waitForShown<QMessageBox>();
                            if (box == nullptr) return;
                            told = box->text();
                            box->accept();
                          });
                          static_cast<QDialog*>(dialog)->accept();
                        });
    QVERIFY2(told.contains(nowhere), qPrintable(told));
    qInfo("a failed save says: %s", qPrintable(told));
    QVERIFY(!QFile::exists(nowhere));
    const auto frames = app->runLoop().framesDrawn();
    QTRY_VERIFY(app->runLoop().framesDrawn() > frames + 2);
    QCOMPARE(QSettings(QStringLiteral(APP_ID), QStringLiteral("relativity-train"))
                 .value(QStringLiteral("pictureFolder"))
                 .toString(),
             pictures.path());  // a failed save changes nothing
  }

  // The palette and slow motion are as the user left them at the next start;
  // nothing else is remembered.
  void thePaletteAndSlowMotionLast() {
    app->aids().action(ui::KeyAction::Palette)->trigger();
    app->aids().action(ui::KeyAction::SlowMotion)->trigger();
    click(app->controlWindow(), "TControl");  // hidden: nothing happens, nothing kept
    app.reset();
    app = std::make_unique<ui::Application>();
    QCOMPARE(app->simulation().palette, engine::Palette::Projector);
    QCOMPARE(app->simulation().bgcolor, platform::RGB(255, 255, 255));
    QVERIFY(app->simulation().slowMotion);
    QVERIFY(!app->simulation().contraction);
    QCOMPARE(app->simulation().chosenType, 1);
    app.reset();
    app = std::make_unique<ui::Application>(ui::StartOptions{engine::Palette::Usual, 2.0});
    QCOMPARE(app->simulation().palette, engine::Palette::Usual);
    QCOMPARE(app->aids().zoom(), 2.0);
  }

  // A readout's tip shows while the control window is the active one.
  void tipsShowInTheInactiveTrackWindow() {
    startRun(1);
    QVERIFY(app->controlWindow().isActiveWindow());
    QWidget* readout = widgetOf(app->trackWindow(), "TLocalTime");
    QTest::mouseMove(readout, QPoint(6, 6));  // the pointer rests on it
    QTest::mouseMove(readout, QPoint(8, 8));
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 3000);
    QCOMPARE(QToolTip::text(), readout->toolTip());
    QToolTip::hideText();
  }

 private:
  void startRun(int type) {
    ui::FormWindow& f = app->controlWindow();
    click(f, "CommandStart");
    while (app->simulation().chosenType != type) click(f, "CommandSimulation");
    click(f, "CommandStart");
    QVERIFY(QTest::qWaitForWindowExposed(&app->trackWindow()));
    // The keyboard stays with the control window, as it does for a user.
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
  }

  std::unique_ptr<ui::Application> app;
};

QTEST_MAIN(AidsTest)
#include "AidsTest.moc"
