// A monkey at the main window: a long seeded run of random user actions
// (keys, pasted texts up to 10 000 characters, lengths far beyond the
// Currency range, list choices with the keys and with the mouse in the
// popup, clicks on every button and anywhere in the window), with every
// message box, modal window and context menu closed by a watcher as soon
// as it appears. After every action:
//   - the visible result boxes are exactly the slots of the last scale
//     chosen (none before the first choice and after a reset);
//   - every visible position box the monkey has not typed into since that
//     choice shows what corvane-frets computes for the length text, scale
//     and mode of that choice, and so does every such note box when a mode
//     had been chosen;
//   - a choice reports an error exactly when corvane-frets fails for it,
//     and then changes nothing.
//
// CORVANE_MONKEY_SEED and CORVANE_MONKEY_ACTIONS change the run; a failure
// prints the seed, the action number and the last actions.

#include "base_window.h"
#include "fret_table.h"
#include "look.h"
#include "runtime_error.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <random>

namespace {

constexpr int ResultBoxCount = 48;
constexpr int SlotCount = 24;
constexpr std::uint32_t DefaultSeed = 20240611;
constexpr int DefaultActions = 12000;

// The offscreen platform warns at every popup and modal window that it
// cannot raise it or grab the keyboard; thousands of those would bury
// whatever else is said.
QtMessageHandler PreviousMessageHandler = nullptr;

void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    PreviousMessageHandler(type, context, message);
}

int EnvironmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Closes every modal window and context menu as soon as the event loop
// runs inside it, and counts what it closed.
class Watcher {
public:
    Watcher()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { closeWhatIsOpen(); });
        timer_.start();
    }

    int messageBoxes() const noexcept { return messageBoxes_; }
    int windows() const noexcept { return windows_; }
    int menus() const noexcept { return menus_; }
    QString lastMessage() const { return lastMessage_; }

private:
    void closeWhatIsOpen()
    {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            ++menus_;
            menu->close();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++messageBoxes_;
            lastMessage_ = box->text();
            // As a user closes it: with its button.
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        } else {
            ++windows_;
            modal->close();
        }
    }

    QTimer timer_;
    int messageBoxes_ = 0;
    int windows_ = 0;
    int menus_ = 0;
    QString lastMessage_;
};

enum class Kind { None, Diatonic, Chromatic };

// What the window must show: the last scale choice that went through.
struct Expected {
    Kind kind = Kind::None;
    bool modeChosen = false;
    std::map<int, QString> texts; // box number -> text (positions and, with a mode, notes)
};

} // namespace

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActionsNeverBreakTheWindow();

private:
    // Actions.
    void act();
    void pressKey();
    void typeShortText();
    void pasteText(bool beyondRange);
    void typeLength();
    void focusControl();
    void chooseWithKeys();
    void chooseWithMouse();
    void clickButton();
    void clickAnywhere();
    void openContextMenu();

    // Helpers.
    QWidget& keyTarget();
    void sendKey(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
        const QString& text = {});
    void typeText(const QString& text);
    QString randomText(int length);
    QString hugeNumber();
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    void note(const QString& action);

    // The model and the checks. A broken rule is kept in problem_ (a slot
    // must not throw through Qt's event handling) and ends the run after
    // the action.
    void onScaleChosen();
    void onModeChosen();
    void check();
    void report(const QString& what);
    QString describedProblem() const;

    QLineEdit& box(int number) { return *boxes_[static_cast<std::size_t>(number - 1)]; }

    std::mt19937 random_;
    std::uint32_t seed_ = DefaultSeed;
    int action_ = 0;
    std::deque<QString> recent_;
    QString problem_;

    std::unique_ptr<corvane::ui::Base> window_;
    std::unique_ptr<Watcher> watcher_;
    QLineEdit* length_ = nullptr;
    QComboBox* scales_ = nullptr;
    QComboBox* modes_ = nullptr;
    std::array<QLineEdit*, ResultBoxCount> boxes_ {};
    std::array<QPushButton*, 3> buttons_ {};

    Expected expected_;
    std::optional<corvane::cli::Mode> mode_;
    std::array<bool, ResultBoxCount> typedInto_ {};
    // Message boxes closed before the choice now being handled: one action
    // may make several choices (several arrow keys).
    int messageBoxesBefore_ = 0;

    // What the run went through, so that it cannot pass by doing nothing.
    int choices_ = 0;
    int mouseChoices_ = 0;
    int failedChoices_ = 0;
    int comparedTexts_ = 0;
    int resets_ = 0;
};

void Monkey::initTestCase()
{
    PreviousMessageHandler = qInstallMessageHandler(QuietMessageHandler);
    corvane::ui::InstallFontSubstitutions();
    // A combo's popup ignores a mouse release within the double-click
    // interval after opening; keep that short so the monkey need not wait.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(10);
}

void Monkey::note(const QString& action)
{
    recent_.push_back(QStringLiteral("%1: %2").arg(action_).arg(action.left(120)));
    if (recent_.size() > 25)
        recent_.pop_front();
}

void Monkey::report(const QString& what)
{
    if (problem_.isEmpty())
        problem_ = what;
}

QString Monkey::describedProblem() const
{
    QString message = QStringLiteral("seed %1, action %2: %3\nlast actions:\n")
                          .arg(seed_)
                          .arg(action_)
                          .arg(problem_);
    for (const QString& line : recent_)
        message += QStringLiteral("  ") + line + QLatin1Char('\n');
    return message;
}

QWidget& Monkey::keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? *popup->focusWidget() : *popup;
    if (QWidget* focused = window_->focusWidget())
        return *focused;
    return *window_;
}

void Monkey::sendKey(
    QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QTest::sendKeyEvent(QTest::Press, &target, key, text, modifiers);
    // The press may have closed a popup or moved the focus.
    QWidget& release = keyTarget();
    QTest::sendKeyEvent(QTest::Release, &release, key, text, modifiers);
}

void Monkey::typeText(const QString& text)
{
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        sendKey(keyTarget(), key, Qt::NoModifier, QString(character));
    }
}

QString Monkey::randomText(int length)
{
    static const QString alphabet = QStringLiteral("0123456789012345678901234567890123456789"
                                                   "....,,--++eeEEdD&HhOo  \t\nabcxyzéàç€ ");
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += alphabet[below(static_cast<int>(alphabet.size()))];
    return text;
}

QString Monkey::hugeNumber()
{
    switch (below(5)) {
    case 0: // sixteen digits or more before the point
        return QStringLiteral("1") + QString(15 + below(30), QLatin1Char('0'));
    case 1:
        return QStringLiteral("922337203685478");
    case 2:
        return QStringLiteral("-9") + QString(15 + below(10), QLatin1Char('9'));
    case 3:
        return QStringLiteral("1e%1").arg(15 + below(400));
    default:
        return QString(16 + below(5000), QLatin1Char('9'));
    }
}

void Monkey::pressKey()
{
    struct KeyChoice {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    static const KeyChoice keys[] = {
        { Qt::Key_Backspace, Qt::NoModifier },
        { Qt::Key_Delete, Qt::NoModifier },
        { Qt::Key_Left, Qt::NoModifier },
        { Qt::Key_Right, Qt::NoModifier },
        { Qt::Key_Home, Qt::NoModifier },
        { Qt::Key_End, Qt::NoModifier },
        { Qt::Key_Up, Qt::NoModifier },
        { Qt::Key_Down, Qt::NoModifier },
        { Qt::Key_PageUp, Qt::NoModifier },
        { Qt::Key_PageDown, Qt::NoModifier },
        { Qt::Key_Return, Qt::NoModifier },
        { Qt::Key_Escape, Qt::NoModifier },
        { Qt::Key_Tab, Qt::NoModifier },
        { Qt::Key_Backtab, Qt::ShiftModifier },
        { Qt::Key_Space, Qt::NoModifier },
        { Qt::Key_F4, Qt::NoModifier },
        { Qt::Key_Down, Qt::AltModifier },
        { Qt::Key_A, Qt::ControlModifier },
        { Qt::Key_Z, Qt::ControlModifier },
        { Qt::Key_Y, Qt::ControlModifier },
        { Qt::Key_X, Qt::ControlModifier },
        { Qt::Key_C, Qt::ControlModifier },
        { Qt::Key_V, Qt::ControlModifier },
        { Qt::Key_Left, Qt::ShiftModifier },
        { Qt::Key_Home, Qt::ShiftModifier },
        { Qt::Key_Menu, Qt::NoModifier },
    };
    const KeyChoice& choice = keys[below(static_cast<int>(std::size(keys)))];
    QWidget& target = keyTarget();
    note(QStringLiteral("key %1 (modifiers %2) to %3")
             .arg(choice.key, 0, 16)
             .arg(choice.modifiers.toInt())
             .arg(target.objectName().isEmpty()
                     ? QString::fromLatin1(target.metaObject()->className())
                     : target.objectName()));
    const QString text = choice.key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    sendKey(target, choice.key, choice.modifiers, text);
}

void Monkey::typeShortText()
{
    const QString text = randomText(1 + below(5));
    note(QStringLiteral("type \"%1\" into %2").arg(text, keyTarget().objectName()));
    typeText(text);
}

void Monkey::pasteText(bool beyondRange)
{
    int length = 1 + below(20);
    if (chance(20))
        length = 1 + below(500);
    if (chance(5))
        length = 1 + below(10000);
    const QString text = beyondRange ? hugeNumber() : randomText(length);
    QApplication::clipboard()->setText(text);
    QWidget& target = keyTarget();
    note(QStringLiteral("paste %1 characters \"%2\" into %3")
             .arg(text.size())
             .arg(text.left(40), target.objectName()));
    if (chance(50))
        sendKey(target, Qt::Key_A, Qt::ControlModifier);
    sendKey(keyTarget(), Qt::Key_V, Qt::ControlModifier);
}

// A length a user would type, over the old one, so that most choices
// compute something worth comparing.
void Monkey::typeLength()
{
    static const QStringList lengths = {
        QStringLiteral("650"),
        QStringLiteral("648.5"),
        QStringLiteral("0.5"),
        QStringLiteral("-650"),
        QStringLiteral("0"),
        QStringLiteral("6.5e2"),
        QStringLiteral("1000 mm"),
        QStringLiteral("650,5"),
        QStringLiteral("0.03125"),
        QStringLiteral("640000000000000"),
        QStringLiteral("922337203685477"),
        QStringLiteral("&H2FF"),
    };
    QString text = lengths[below(static_cast<int>(lengths.size()))];
    if (chance(40))
        text = QString::number(below(100000) / (chance(50) ? 1.0 : 100.0), 'f', below(5));
    note(QStringLiteral("type the length \"%1\"").arg(text));
    QTest::mouseClick(length_, Qt::LeftButton);
    sendKey(*length_, Qt::Key_A, Qt::ControlModifier);
    sendKey(*length_, Qt::Key_Delete);
    typeText(text);
}

void Monkey::focusControl()
{
    QWidget* target = length_;
    switch (below(4)) {
    case 0:
        target = scales_;
        break;
    case 1:
        target = modes_;
        break;
    case 2: {
        QLineEdit* result = boxes_[static_cast<std::size_t>(below(ResultBoxCount))];
        if (!result->isHidden())
            target = result;
        break;
    }
    default:
        break;
    }
    note(QStringLiteral("click into %1").arg(target->objectName()));
    QTest::mouseClick(target, Qt::LeftButton, {},
        QPoint(6 + below(std::max(1, target->width() - 30)), target->height() / 2));
}

void Monkey::chooseWithKeys()
{
    QComboBox* list = chance(75) ? scales_ : modes_;
    note(QStringLiteral("choose in %1 with the keys").arg(list->objectName()));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(8, list->height() / 2));
    const int moves = 1 + below(3);
    const Qt::Key key = chance(50) ? Qt::Key_Down : Qt::Key_Up;
    for (int i = 0; i < moves; ++i)
        sendKey(keyTarget(), key);
}

void Monkey::chooseWithMouse()
{
    QComboBox* list = chance(75) ? scales_ : modes_;
    const int index = below(list->count());
    note(QStringLiteral("choose item %1 of %2 with the mouse").arg(index).arg(list->objectName()));
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.subControls = QStyle::SC_All;
    const QPoint arrow
        = list->style()
              ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list)
              .center();
    QTest::mouseClick(list, Qt::LeftButton, {}, arrow);
    QAbstractItemView* view = list->view();
    if (!view->isVisible())
        return; // a click on an open popup's arrow closes it
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 5);
    const QPoint item = view->visualRect(view->model()->index(index, 0)).center();
    const int choicesBefore = choices_;
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    if (list == scales_ && choices_ > choicesBefore)
        ++mouseChoices_;
}

void Monkey::clickButton()
{
    QPushButton* button
        = buttons_[static_cast<std::size_t>(below(static_cast<int>(buttons_.size())))];
    note(QStringLiteral("click %1").arg(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void Monkey::clickAnywhere()
{
    const QPoint point(below(window_->width()), below(window_->height()));
    QWidget* child = window_->childAt(point);
    QWidget* target = child ? child : window_.get();
    note(QStringLiteral("click at %1,%2 on %3")
             .arg(point.x())
             .arg(point.y())
             .arg(target->objectName()));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window_.get(), point));
}

void Monkey::openContextMenu()
{
    QWidget& target = keyTarget();
    note(QStringLiteral("context menu on %1").arg(target.objectName()));
    const QPoint inside(target.width() / 2, target.height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, inside, target.mapToGlobal(inside));
    QApplication::sendEvent(&target, &event);
}

void Monkey::act()
{
    const int roll = below(100);
    if (roll < 30)
        pressKey();
    else if (roll < 40)
        typeShortText();
    else if (roll < 45)
        pasteText(false);
    else if (roll < 49)
        pasteText(true);
    else if (roll < 57)
        typeLength();
    else if (roll < 66)
        focusControl();
    else if (roll < 79)
        chooseWithKeys();
    else if (roll < 85)
        chooseWithMouse();
    else if (roll < 93)
        clickButton();
    else if (roll < 98)
        clickAnywhere();
    else
        openContextMenu();
}

void Monkey::onModeChosen()
{
    mode_ = modes_->currentText() == QStringLiteral(" Do") ? corvane::cli::Mode::Do
                                                           : corvane::cli::Mode::Sol;
}

// Runs after the window's own handler of the same choice.
void Monkey::onScaleChosen()
{
    ++choices_;
    const auto nextChoice = qScopeGuard([this] { messageBoxesBefore_ = watcher_->messageBoxes(); });
    const QString scale = scales_->currentText();
    const QString lengthText = length_->text();
    const bool errorShown = watcher_->messageBoxes() > messageBoxesBefore_;
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    try {
        const corvane::cli::FretTable table
            = corvane::cli::ComputeFretTable(lengthText.toStdString(), scale.toStdString(),
                mode_.value_or(corvane::cli::Mode::None), separator);
        if (errorShown) {
            report(QStringLiteral("the choice of \"%1\" with the length \"%2\" reported \"%3\", "
                                  "but corvane-frets computes it")
                       .arg(scale, lengthText.left(60), watcher_->lastMessage()));
            return;
        }
        Expected next;
        next.kind
            = scale.contains(QStringLiteral("Chromatique")) ? Kind::Chromatic : Kind::Diatonic;
        next.modeChosen = mode_.has_value();
        const std::size_t rowCount = next.kind == Kind::Chromatic ? 24 : 14;
        if (table.rows.size() != rowCount) {
            report(QStringLiteral("corvane-frets gives %1 rows for \"%2\"")
                       .arg(table.rows.size())
                       .arg(scale));
            return;
        }
        for (const corvane::cli::FretRow& row : table.rows) {
            next.texts[row.slot] = QString::fromStdString(row.position);
            if (next.modeChosen)
                next.texts[row.slot + SlotCount] = QString::fromStdString(row.note);
        }
        expected_ = next;
        typedInto_.fill(false);
    } catch (const fret::RuntimeError& error) {
        ++failedChoices_;
        if (!errorShown)
            report(QStringLiteral("the choice of \"%1\" with the length \"%2\" reported nothing; "
                                  "corvane-frets fails with %3")
                       .arg(scale, lengthText.left(60), QString::fromStdString(error.message())));
        if (watcher_->lastMessage() != QString::fromStdString(error.message()))
            report(QStringLiteral("the window reported \"%1\", corvane-frets \"%2\"")
                       .arg(watcher_->lastMessage(), QString::fromStdString(error.message())));
    }
}

void Monkey::check()
{
    std::array<bool, ResultBoxCount + 1> shouldShow {};
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const bool diatonic = slot != 8 && slot <= 15;
        const bool shown
            = expected_.kind == Kind::Chromatic || (expected_.kind == Kind::Diatonic && diatonic);
        shouldShow[static_cast<std::size_t>(slot)] = shown;
        shouldShow[static_cast<std::size_t>(slot + SlotCount)] = shown;
    }
    for (int number = 1; number <= ResultBoxCount; ++number) {
        QLineEdit& result = box(number);
        const bool shown = !result.isHidden();
        if (shown != shouldShow[static_cast<std::size_t>(number)]) {
            report(QStringLiteral("Text%1 is %2").arg(number).arg(shown ? "visible" : "hidden"));
            return;
        }
        if (!shown || typedInto_[static_cast<std::size_t>(number - 1)])
            continue;
        const auto text = expected_.texts.find(number);
        if (text == expected_.texts.end())
            continue;
        ++comparedTexts_;
        if (result.text() != text->second) {
            report(QStringLiteral("Text%1 shows \"%2\", corvane-frets \"%3\"")
                       .arg(number)
                       .arg(result.text(), text->second));
            return;
        }
    }
}

void Monkey::randomActionsNeverBreakTheWindow()
{
    seed_ = static_cast<std::uint32_t>(
        EnvironmentNumber("CORVANE_MONKEY_SEED", static_cast<int>(DefaultSeed)));
    const int actions = EnvironmentNumber("CORVANE_MONKEY_ACTIONS", DefaultActions);
    random_.seed(seed_);
    qInfo("seed %u, %d actions", seed_, actions);

    window_ = std::make_unique<corvane::ui::Base>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    watcher_ = std::make_unique<Watcher>();

    length_ = window_->findChild<QLineEdit*>(QStringLiteral("Longvib"));
    scales_ = window_->findChild<QComboBox*>(QStringLiteral("Combo1"));
    modes_ = window_->findChild<QComboBox*>(QStringLiteral("Combo2"));
    QVERIFY(length_ && scales_ && modes_);
    for (int number = 1; number <= ResultBoxCount; ++number) {
        QLineEdit* result = window_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
        QVERIFY(result);
        boxes_[static_cast<std::size_t>(number - 1)] = result;
        connect(result, &QLineEdit::textEdited, this,
            [this, number] { typedInto_[static_cast<std::size_t>(number - 1)] = true; });
    }
    const char* buttonNames[] = { "Command1", "Command2", "Command4" };
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = window_->findChild<QPushButton*>(QString::fromLatin1(buttonNames[i]));
        QVERIFY(buttons_[i]);
    }
    connect(scales_, &QComboBox::activated, this, &Monkey::onScaleChosen);
    connect(modes_, &QComboBox::activated, this, &Monkey::onModeChosen);
    connect(buttons_[0], &QPushButton::clicked, this, [this] {
        ++resets_;
        expected_.kind = Kind::None;
    });

    check();
    for (action_ = 1; action_ <= actions; ++action_) {
        messageBoxesBefore_ = watcher_->messageBoxes();
        act();
        QCoreApplication::processEvents();
        check();
        if (!window_->isVisible())
            report(QStringLiteral("the main window is gone"));
        if (!problem_.isEmpty())
            QFAIL(qPrintable(describedProblem()));
    }

    qInfo("%d scale choices (%d with the mouse, %d reported an error), %d resets; closed %d "
          "message boxes, "
          "%d windows, %d menus; %d box texts compared",
        choices_, mouseChoices_, failedChoices_, resets_, watcher_->messageBoxes(),
        watcher_->windows(), watcher_->menus(), comparedTexts_);
    // A run that chose little or never met an error proves little.
    QVERIFY(choices_ >= actions / 20);
    QVERIFY(mouseChoices_ >= actions / 100);
    QVERIFY(comparedTexts_ >= actions);
    QVERIFY(choices_ - failedChoices_ >= actions / 40);
    QVERIFY(watcher_->messageBoxes() >= actions / 100);
    QVERIFY(watcher_->windows() >= actions / 100);
    QVERIFY(resets_ >= actions / 100);
}

QTEST_MAIN(Monkey)
#include "monkey_test.moc"
