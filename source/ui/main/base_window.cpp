#include "base_window.h"

#include "base_design.h"
#include "control_factory.h"
#include "look.h"
#include "pictures.h"
#include "regional_numbers.h"
#include "runtime_error_report.h"
#include "twips.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <future>

// Resources must be registered from outside any namespace.
static void RegisterMainWindowPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace corvane::ui {

namespace {

// A fixed frame with minimise and close buttons; it offers no maximising.
constexpr Qt::WindowFlags BaseFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

template <typename Control> Control& Find(const QWidget& window, const char* name)
{
    auto* control
        = window.findChild<Control*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control);
    return *control;
}

} // namespace

Base::Base(QWidget* parent)
    : QWidget(parent, BaseFrame)
    , surface_(*this)
    // Positions are written with the decimal separator of the user's
    // regional settings, read once when the window opens; where it is the
    // comma, the length box takes it too.
    , calculator_(surface_, regional::DecimalSeparator(),
          fret::DecimalInputFor(regional::DecimalSeparator()))
    , printing_(MakeDialogPrinting(this))
{
    RegisterMainWindowPictures();

    setObjectName(QStringLiteral("Base"));
    setWindowTitle(QString::fromLatin1(BaseCaption));
    setWindowIcon(ReadIcon(QString::fromLatin1(BaseWindowIcon)));
    setFixedSize(TwipsSize(BaseClientWidthTwips, BaseClientHeightTwips));
    setFont(DesignFont(BaseDefaultFont.face, BaseDefaultFont.points, BaseDefaultFont.bold));

    // Decoding the background is the longest single step of opening the
    // window and needs nothing from it: it runs while the controls are
    // built. Only the rows the window shows are decoded and kept.
    std::future<QImage> background
        = std::async(std::launch::async, [visible = QRect(QPoint(0, 0), size())] {
              return ReadPicture(QString::fromLatin1(BaseBackgroundPicture), visible);
          });

    buildControls();
    wireEvents();
    background_ = QPixmap::fromImage(background.get());
}

Base::~Base() = default;

QString Base::sourceText(const QString& control) const
{
    // The length the positions were computed from: the box may have been
    // edited since, and a sheet must never pair one length with another's
    // frets.
    if (control == QLatin1String("Longvib"))
        return QString::fromStdString(calculator_.positionsLengthText());
    return surface_.text(control);
}

void Base::setSheetPrinting(std::unique_ptr<SheetPrinting> printing)
{
    printing_ = std::move(printing);
}

void Base::paintEvent(QPaintEvent*)
{
    // The desktop colour shows only where the picture does not reach; the
    // picture keeps its own size, so its lowest rows fall below the window.
    QPainter painter(this);
    painter.fillRect(rect(), RoleColour(ColourRole::Desktop));
    painter.drawPixmap(0, 0, background_);
}

void Base::buildControls()
{
    QWidget* previous = nullptr;
    for (const ControlDesign& design : BaseControls()) {
        QWidget* control = CreateControl(design, *this);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        else
            control->setFocus();
        previous = control;
    }
}

void Base::wireEvents()
{
    // textChanged, not textEdited: the reset button's emptying of the box
    // must reach the calculator like the user's typing.
    connect(
        &Find<QLineEdit>(*this, "Longvib"), &QLineEdit::textChanged, this, &Base::Longvib_Change);
    connect(&Find<QComboBox>(*this, "Combo2"), &QComboBox::activated, this, &Base::Combo2_Click);
    connect(&Find<QComboBox>(*this, "Combo1"), &QComboBox::activated, this, &Base::Combo1_Click);
    connect(
        &Find<QPushButton>(*this, "Command1"), &QPushButton::clicked, this, &Base::Command1_Click);
    connect(
        &Find<QPushButton>(*this, "Command2"), &QPushButton::clicked, this, &Base::Command2_Click);
    connect(
        &Find<QPushButton>(*this, "Command4"), &QPushButton::clicked, this, &Base::Command4_Click);
}

void Base::Longvib_Change()
{
    RunReportingErrors(this, [this] { calculator_.Longvib_Change(); });
}

void Base::Combo2_Click()
{
    RunReportingErrors(this, [this] { calculator_.Combo2_Click(); });
}

void Base::Combo1_Click()
{
    RunReportingErrors(this, [this] { calculator_.Combo1_Click(); });
}

void Base::Command1_Click()
{
    RunReportingErrors(this, [this] { calculator_.Command1_Click(); });
}

void Base::Command2_Click()
{
    OpenInfo();
}

void Base::Command4_Click()
{
    OpenSheet(calculator_.variables().ScaleKind, *this, *printing_);
}

} // namespace corvane::ui
