#include "plotter/TFunctionPadWindow.h"

#include "plotter/FunctionInsertions.h"
#include "plotter/Texts.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

using plotter::CommandId;

namespace {

constexpr int RepeatIntervalMs = 100;
constexpr int LetterSize = 11;
constexpr int SmallestLetter = 7;
// The room a button's frame takes on each side of its caption.
constexpr int CaptionMargin = 3;

} // namespace

TFunctionPadWindow::TFunctionPadWindow(FunctionPadHost& host, char decimalSeparator, QWidget* parent)
    : QWidget(parent), host_(host), decimalSeparator_(decimalSeparator), TimerDeleteButton(new QTimer(this)) {
    setObjectName(QStringLiteral("FunctionPadWindow"));
    setWindowTitle(QStringLiteral("Function Pad"));
    setFocusPolicy(Qt::StrongFocus);
    QFont padFont = font();
    padFont.setPixelSize(LetterSize);
    setFont(padFont);

    TimerDeleteButton->setObjectName(QStringLiteral("TimerDeleteButton"));
    TimerDeleteButton->setInterval(RepeatIntervalMs);
    connect(TimerDeleteButton, &QTimer::timeout, this, &TFunctionPadWindow::removeLastCharacter);

    addAppendButton("Button1", QStringLiteral("^"), plotter::insertionOf(CommandId::Raised), 0, 0, 30);
    addAppendButton("Button2", QStringLiteral("Sqrt"), plotter::insertionOf(CommandId::Sqrt), 30, 0, 30);
    addAppendButton("Button3", QStringLiteral("Cbrt"), plotter::insertionOf(CommandId::Cbrt), 60, 0, 30);
    addAppendButton("Button4", QStringLiteral("Sin"), plotter::insertionOf(CommandId::Sin), 95, 0, 30);
    addAppendButton("Button5", QStringLiteral("Cos"), plotter::insertionOf(CommandId::Cos), 125, 0, 30);
    addAppendButton("Button6", QStringLiteral("Tan"), plotter::insertionOf(CommandId::Tan), 155, 0, 30);
    addAppendButton("Button10", QStringLiteral("Ln"), plotter::insertionOf(CommandId::Ln), 0, 20, 30);
    addAppendButton("Button11", QStringLiteral("Log"), plotter::insertionOf(CommandId::Log), 30, 20, 30);
    addAppendButton("Button12", QStringLiteral("10^"), plotter::insertionOf(CommandId::TenRaised), 60, 20,
                    30);
    addAppendButton("Button7", QStringLiteral("Asin"), plotter::insertionOf(CommandId::ArcSin), 95, 20, 30);
    addAppendButton("Button8", QStringLiteral("Acos"), plotter::insertionOf(CommandId::ArcCos), 125, 20, 30);
    addAppendButton("Button9", QStringLiteral("Atan"), plotter::insertionOf(CommandId::ArcTan), 155, 20, 30);
    addAppendButton("Button38", QStringLiteral("x"), QStringLiteral("x"), 0, 45, 30);
    addAppendButton("Button16", QStringLiteral("pi"), plotter::insertionOf(CommandId::Pi), 30, 45, 30);
    addAppendButton("Button19", QStringLiteral("e"), plotter::insertionOf(CommandId::E), 60, 45, 30);
    addAppendButton("Button13", QStringLiteral("Rnd"), plotter::insertionOf(CommandId::Random), 0, 65, 30);
    addAppendButton("Button14", QStringLiteral("Int"), plotter::insertionOf(CommandId::Int), 30, 65, 30);
    addAppendButton("Button15", QStringLiteral("Abs"), plotter::insertionOf(CommandId::Abs), 60, 65, 30);
    addAppendButton("Button17", QStringLiteral("d/dx"), plotter::insertionOf(CommandId::Ddx), 0, 90, 45);
    addCommandButton("Button22", QStringLiteral("Derivat..."), CommandId::Derivative, 45, 90);
    addCommandButton("Button18", QStringLiteral("Tang..."), CommandId::Tangent, 0, 110);
    addCommandButton("Button20", QStringLiteral("Normal..."), CommandId::Normal, 45, 110);

    spdbtnBack = addButton("spdbtnBack", QStringLiteral("<--"), 0, 135, 25, 25);
    spdbtnBack->setFocusPolicy(Qt::NoFocus);
    connect(spdbtnBack, &QPushButton::clicked, this, [this] {
        if (!keyboardFlag_)
            removeLastCharacter();
    });
    QPushButton* spdbtnDelete = addButton("spdbtnDelete", QStringLiteral("DEL"), 25, 135, 25, 25);
    connect(spdbtnDelete, &QPushButton::clicked, this, [this] {
        if (!keyboardFlag_)
            host_.setEntryText(QString());
    });
    QPushButton* spdbtnEXE = addButton("spdbtnEXE", QStringLiteral("EXE"), 65, 135, 25, 25);
    spdbtnDelete->setFocusPolicy(Qt::NoFocus);
    spdbtnEXE->setFocusPolicy(Qt::NoFocus);
    connect(spdbtnEXE, &QPushButton::clicked, this, [this] {
        if (keyboardFlag_)
            return;
        host_.plotEntryText();
        host_.setEntryText(QString());
    });

    const auto digitButton = [this](const char* name, const QString& caption, int left, int top) {
        addAppendButton(name, caption, caption, left, top, 20);
    };
    digitButton("Button39", QStringLiteral("("), 125, 60);
    digitButton("Button40", QStringLiteral(")"), 145, 60);
    digitButton("Button29", QStringLiteral("7"), 105, 80);
    digitButton("Button31", QStringLiteral("8"), 125, 80);
    digitButton("Button32", QStringLiteral("9"), 145, 80);
    digitButton("Button25", QStringLiteral("4"), 105, 100);
    digitButton("Button28", QStringLiteral("5"), 125, 100);
    digitButton("Button27", QStringLiteral("6"), 145, 100);
    digitButton("Button24", QStringLiteral("1"), 105, 120);
    digitButton("Button21", QStringLiteral("2"), 125, 120);
    digitButton("Button26", QStringLiteral("3"), 145, 120);
    Button30 = addButton("Button30", QString(QLatin1Char(decimalSeparator_)), 105, 140, 20);
    connect(Button30, &QPushButton::clicked, this, [this] {
        if (!keyboardFlag_)
            append(Button30->text());
    });
    digitButton("Button23", QStringLiteral("0"), 125, 140);
    digitButton("Button33", QStringLiteral("E"), 145, 140);
    digitButton("Button34", QStringLiteral("+"), 165, 80);
    digitButton("Button35", QStringLiteral("-"), 165, 100);
    digitButton("Button36", QStringLiteral("*"), 165, 120);
    digitButton("btnDivide", QStringLiteral("/"), 165, 140);
    btnDivide = findChild<QPushButton*>(QStringLiteral("btnDivide"));
}

QPushButton* TFunctionPadWindow::addButton(const char* name, const QString& caption, int left, int top,
                                           int width, int height) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, width, height);
    setCaption(*button, caption);
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
    button->installEventFilter(this);
    return button;
}

void TFunctionPadWindow::setCaption(QPushButton& button, const QString& caption) {
    // Captions such as "&" never mark an accelerator on the pad.
    button.setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    // A caption too long for its button at the pad's letter size gets a smaller letter, so it is
    // never cut at the button's edges.
    QFont letter = font();
    const int room = button.width() - 2 * CaptionMargin;
    while (letter.pixelSize() > SmallestLetter && QFontMetrics(letter).horizontalAdvance(caption) > room)
        letter.setPixelSize(letter.pixelSize() - 1);
    button.setFont(letter);
}

void TFunctionPadWindow::addAppendButton(const char* name, const QString& caption, const QString& insertion,
                                         int left, int top, int width) {
    QPushButton* button = addButton(name, caption, left, top, width);
    connect(button, &QPushButton::clicked, this, [this, insertion] {
        if (!keyboardFlag_)
            append(insertion);
    });
}

void TFunctionPadWindow::addCommandButton(const char* name, const QString& caption,
                                          plotter::CommandId command, int left, int top) {
    QPushButton* button = addButton(name, caption, left, top, 45);
    QAction& action = host_.commandAction(command);
    button->setEnabled(action.isEnabled());
    connect(&action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    connect(button, &QPushButton::clicked, this, [this, &action] {
        if (!keyboardFlag_ && action.isEnabled())
            action.trigger();
    });
}

void TFunctionPadWindow::append(const QString& text) {
    host_.setEntryText(host_.entryText() + text);
}

void TFunctionPadWindow::removeLastCharacter() {
    QString text = host_.entryText();
    if (text.isEmpty())
        return;
    text.chop(1);
    host_.setEntryText(text);
}

void TFunctionPadWindow::functionPadKeyPress(QKeyEvent& event) {
    keyboardFlag_ = true;
    switch (event.key()) {
    case Qt::Key_Backspace:
        removeLastCharacter();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        host_.plotEntryText();
        return;
    default:
        break;
    }
    const QString typed = event.text();
    if (!typed.isEmpty() && typed[0].isPrint())
        append(typed);
}

bool TFunctionPadWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        functionPadKeyPress(*static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        // The key went to the pad, so the button under the focus must not act on its release.
        return true;
    case QEvent::MouseButtonPress:
        keyboardFlag_ = false;
        if (watched == spdbtnBack)
            TimerDeleteButton->start();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == spdbtnBack)
            TimerDeleteButton->stop();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TFunctionPadWindow::keyPressEvent(QKeyEvent* event) {
    functionPadKeyPress(*event);
}

QSize TFunctionPadWindow::designClientSize() const {
    return QSize(btnDivide->geometry().right() + 1 + 1, btnDivide->geometry().bottom() + 1 + 2);
}

void TFunctionPadWindow::translate() {
    using plotter::caption;
    using plotter::plainText;
    setWindowTitle(plainText("FunctionPad", windowTitle()));
    const auto hint = [this](const char* name, const char* key) {
        findChild<QPushButton*>(QLatin1String(name))->setToolTip(plainText(key));
    };
    hint("Button2", "sqrt");
    hint("Button3", "cbrt");
    hint("Button13", "Random");
    hint("Button14", "Int");
    hint("Button22", "Derivative");
    hint("Button18", "Tangent");
    hint("Button20", "Normal");
    const auto text = [this](const char* name, const char* key) {
        auto* button = findChild<QPushButton*>(QLatin1String(name));
        setCaption(*button, caption(key, button->text()));
    };
    text("spdbtnDelete", "DEL");
    text("Button22", "Derivat...");
    text("Button18", "Tang...");
    text("Button20", "Normal...");
    setCaption(*Button30, QString(QLatin1Char(decimalSeparator_)));
}

void TFunctionPadWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    translate();
}
