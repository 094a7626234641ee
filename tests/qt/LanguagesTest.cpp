// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows in every language the program ships, and in a
// pseudo-language whose every text is accented and marked: every state of
// the run cycle is walked, and in each every shown text must fit its control
// and no English may escape the catalogues.
#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

#include "Catalogues.h"
#include "ui/qt/Application.h"
#include "ui/qt/Translations.h"

namespace {

using Visit = std::function<void(const QString& state)>;

QWidget* widgetOf(ui::FormWindow& window, const char* name) {
  return window.control(name).widget();
}

void click(ui::FormWindow& window, const char* name) {
  QTest::mouseClick(widgetOf(window, name), Qt::LeftButton);
}

// Lets frames be drawn, so the readouts show what the state gives them.
void someFrames() {
  QTest::qWait(230);
}

// Every state of the run cycle, in each demonstration, with the readouts at
// their widest: two decimals near c, a negative speed, frozen, stopped.
void walkEveryState(ui::Application& app, const Visit& visit) {
  ui::FormWindow& f = app.controlWindow();
  visit(QStringLiteral("idle"));
  for (int type = 1; type <= 3; ++type) {
    click(f, "CommandStart");
    while (app.simulation().chosenType != type) click(f, "CommandSimulation");
    visit(QStringLiteral("choosing %1").arg(type));
    click(f, "CommandStart");
    click(f, "CommandVinc");
    someFrames();
    visit(QStringLiteral("running %1").arg(type));
    click(f, "CommandFreeze");
    visit(QStringLiteral("frozen %1").arg(type));
    click(f, "CommandFreeze");
    click(f, "TControl");
    for (int i = 0; i < 32; ++i) click(f, "CommandVinc");
    someFrames();
    visit(QStringLiteral("near c %1").arg(type));
    for (int i = 0; i < 70; ++i) click(f, "CommandVdec");
    someFrames();
    visit(QStringLiteral("backwards %1").arg(type));
    click(f, "TControl");
    click(f, "CommandStart");
    visit(QStringLiteral("stopped %1").arg(type));
  }
}

struct Shown {
  QString where;
  QString text;
};

// The texts a user can see or hear in one state: titles, shown captions and
// readouts (a line each for the list), and every control's tip and names.
QList<Shown> textsOf(ui::Application& app) {
  QList<Shown> texts;
  for (ui::FormWindow* window : {&app.controlWindow(), &app.trackWindow()}) {
    texts.append({window->objectName() + QStringLiteral(" title"), window->windowTitle()});
    const auto& stored =
        window == &app.controlWindow() ? ui::ControlWindowLayout() : ui::TrackWindowLayout();
    for (const ui::StoredControl& c : stored.controls) {
      QWidget* widget = window->control(c.name).widget();
      const QString name = QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size()));
      if (!widget->isHidden()) {
        const QString text = QString::fromStdString(window->control(c.name).text());
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
          texts.append({name, line});
        }
      }
      texts.append({name + QStringLiteral(" tip"), widget->toolTip()});
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      texts.append({name + QStringLiteral(" name"), accessible->text(QAccessible::Name)});
      texts.append(
          {name + QStringLiteral(" description"), accessible->text(QAccessible::Description)});
    }
  }
  return texts;
}

// Room for text inside a control: a label's whole width, a button's less its
// bevel, a box's less its frame and Qt's margin of 2 pixels a side.
int roomFor(QWidget* widget) {
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    const QMargins margins = box->textMargins();
    return box->contentsRect().width() - 4 - margins.left() - margins.right();
  }
  if (auto* list = qobject_cast<QPlainTextEdit*>(widget)) {
    return list->width() - 2 * list->frameWidth() -
           2 * static_cast<int>(list->document()->documentMargin());
  }
  if (qobject_cast<QAbstractButton*>(widget) != nullptr) return widget->width() - 6;
  return widget->width();
}

// Shown texts wider than their controls, as "state: control (text)".
QStringList clipped(ui::Application& app, const QString& state) {
  QStringList found;
  for (ui::FormWindow* window : {&app.controlWindow(), &app.trackWindow()}) {
    const auto& stored =
        window == &app.controlWindow() ? ui::ControlWindowLayout() : ui::TrackWindowLayout();
    for (const ui::StoredControl& c : stored.controls) {
      QWidget* widget = window->control(c.name).widget();
      if (widget->isHidden()) continue;
      const QFontMetrics metrics(widget->font());
      const QString text = QString::fromStdString(window->control(c.name).text());
      for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const int width = metrics.horizontalAdvance(line);
        if (width > roomFor(widget) || metrics.height() > widget->height()) {
          found << QStringLiteral("%1: %2 (%3, %4 > %5 px)")
                       .arg(state, QString::fromUtf8(c.name.data()), line)
                       .arg(width)
                       .arg(roomFor(widget));
        }
      }
    }
  }
  return found;
}

// English words left once every marked piece is taken out: a run of two
// letters or more. Single letters are the symbols v and c.
QString plainEnglishIn(const QString& text) {
  static const QRegularExpression kMarked(QStringLiteral("⟦[^⟧]*⟧"));
  static const QRegularExpression kWord(QStringLiteral("[A-Za-z]{2,}"));
  QString rest = text;
  rest.remove(kMarked);
  const QRegularExpressionMatch word = kWord.match(rest);
  return word.hasMatch() ? word.captured() : QString();
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ui::ApplyControlLook(); }
  void cleanup() {
    app.reset();
    translations.reset();
    QCoreApplication::removeTranslator(&pseudo);
  }

  void everyTextFitsInEveryLanguageAndState_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (std::string_view code : ui::kCatalogues) {
      QTest::newRow(std::string(code).c_str()) << QString::fromUtf8(code.data(), code.size());
    }
  }

  void everyTextFitsInEveryLanguageAndState() {
    QFETCH(QString, language);
    start(language);
    QCOMPARE(QString::fromStdString(translations->language()), language);
    QStringList found;
    walkEveryState(*app, [&](const QString& state) { found << clipped(*app, state); });
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
  }

  // Every text the windows show or tell in the pseudo-language is marked:
  // a text that skipped the catalogues would show plain.
  void thePseudoLanguageShowsNoPlainEnglish() {
    QVERIFY(pseudo.load(QStringLiteral(PSEUDO_CATALOGUE)));
    QCoreApplication::installTranslator(&pseudo);
    app = std::make_unique<ui::Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&app->controlWindow()));
    QStringList found;
    int looked = 0;
    walkEveryState(*app, [&](const QString& state) {
      for (const Shown& shown : textsOf(*app)) {
        ++looked;
        const QString word = plainEnglishIn(shown.text);
        if (!word.isEmpty()) found << state + QStringLiteral(": ") + shown.where + " " + shown.text;
      }
    });
    found.removeDuplicates();
    qInfo("looked at %d texts in every state: %lld plain English", looked,
          static_cast<long long>(found.size()));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    // Numbers take the pseudo-language's decimal comma.
    QCOMPARE(QString::fromStdString(app->controlWindow().control("Tcc").text()),
             QStringLiteral("30"));
  }

  // Start, choose type 2, Select, speed up, contraction on, Freeze, Stop,
  // Start again, Cancel: in German the buttons do what they do in English.
  void aWholeRunCycleInGerman() {
    start(QStringLiteral("de"));
    ui::FormWindow& f = app->controlWindow();
    engine::Module1& m = app->simulation();
    QCOMPARE(f.windowTitle(), QStringLiteral("Steuerung"));
    click(f, "CommandStart");
    QCOMPARE(m.mode, engine::RunMode::Choosing);
    QCOMPARE(text(f, "CommandStart"), QStringLiteral("Wählen"));
    QCOMPARE(text(f, "Text5"), QStringLiteral("Demonstration wählen"));
    click(f, "CommandSimulation");
    QCOMPARE(m.chosenType, 2);
    app->trackWindow().window().setHeight(6000);  // a larger picture, for the README
    click(f, "CommandStart");
    QCOMPARE(m.mode, engine::RunMode::Running);
    QCOMPARE(text(app->trackWindow(), "Text5"), QStringLiteral("Zug auf der Rennbahn"));
    for (int i = 0; i < 29; ++i) click(f, "CommandVinc");
    click(f, "TControl");
    QCOMPARE(text(f, "TControl"), QStringLiteral("EIN"));
    QVERIFY(m.contraction);
    click(f, "CommandVinc");  // near c with contraction on: half the gap
    QCOMPARE(m.v, 29.5);
    QTRY_COMPARE_WITH_TIMEOUT(text(f, "Tv"), QStringLiteral("29,5"), 1000);
    QVERIFY(app->runLoop().state().ltrainc < 1000);
    QTest::qWait(1500);  // the train well on its way, for the README's picture
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    QVERIFY(app->trackWindow().grab().save(QStringLiteral(SCREENSHOT_DIR "/track-window-de.png")));
    click(f, "CommandFreeze");
    QCOMPARE(text(f, "CommandFreeze"), QStringLiteral("Weiter"));
    QTRY_COMPARE_WITH_TIMEOUT(app->runLoop().phase(), engine::RunLoop::Phase::Frozen, 1000);
    const auto frozenAt = app->runLoop().framesDrawn();
    QTest::qWait(250);
    QCOMPARE(app->runLoop().framesDrawn(), frozenAt);
    click(f, "CommandStart");
    QCOMPARE(m.mode, engine::RunMode::Idle);
    QCOMPARE(text(f, "CommandStart"), QStringLiteral("Start"));
    QTRY_COMPARE_WITH_TIMEOUT(app->runLoop().phase(), engine::RunLoop::Phase::Idle, 1000);
    click(f, "CommandStart");
    QCOMPARE(m.mode, engine::RunMode::Choosing);
    click(f, "CommandCancel");
    QVERIFY(app->program().ended());
  }

 private:
  void start(const QString& language) {
    translations = std::make_unique<ui::Translations>(language);
    app = std::make_unique<ui::Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&app->controlWindow()));
  }

  static QString text(ui::FormWindow& window, const char* name) {
    return QString::fromStdString(window.control(name).text());
  }

  QTranslator pseudo;
  std::unique_ptr<ui::Translations> translations;
  std::unique_ptr<ui::Application> app;
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
