#include "info_window.h"

#include "look.h"
#include "twips.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QtCore/qapplicationstatic.h>

#ifndef CORVANE_VERSION
#error "CORVANE_VERSION must be defined by the build"
#endif

// The pictures are compiled into a static library; registering them here
// keeps them in the program. Q_INIT_RESOURCE must be used outside a namespace.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace corvane::ui {

namespace {

constexpr const char* BackgroundPicture = ":/info-background.jpg";
constexpr const char* FigurePicture = ":/info-figure.ico";
constexpr const char* WindowIcon = ":/corvane.ico";

struct InfoLabel {
    const char* name;
    int left, top, width, height; // twips
    double points;
    QString text;
};

// Label1, Label2 and the picture reach past the right edge and Label4 past
// the bottom edge; the window clips them, as designed.
const InfoLabel Labels[] = {
    { "Label1", 120, 0, 2055, 255, 9.75, QStringLiteral("Corvane version " CORVANE_VERSION) },
    { "Label2", 120, 240, 2055, 255, 9.75, QStringLiteral("Par l'équipe Corvane") },
    { "Label3", 120, 480, 1335, 255, 8.25, QStringLiteral("Logiciel Libre") },
    { "Label4", 840, 720, 495, 375, 8.25, QStringLiteral("2004") },
};

// The window's pictures, read at its first opening and shared by every
// later one. A QIcon made afresh at each opening leaves its renderings in
// Qt's pixmap cache under a new key every time (about 4 MB per 600
// openings); one icon is rendered once. Released with the application.
struct InfoPictures {
    InfoPictures()
    {
        RegisterPictures();
        background = QPixmap(QString::fromLatin1(BackgroundPicture));
        windowIcon = QIcon(QString::fromLatin1(WindowIcon));
        figure = QPixmap(QString::fromLatin1(FigurePicture));
    }

    QPixmap background;
    QIcon windowIcon;
    QPixmap figure;
    QPixmap figureInBox; // the figure cut to the box, made at first use
};

Q_APPLICATION_STATIC(InfoPictures, SharedPictures)

QLabel* MakeLabel(const InfoLabel& design, QWidget* window)
{
    auto* label = new QLabel(design.text, window);
    label->setObjectName(QString::fromLatin1(design.name));
    label->setGeometry(TwipsRect(design.left, design.top, design.width, design.height));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(DesignFont(SansSerifFace, design.points, true));
    // Transparent (QLabel paints no background of its own): the picture shows
    // around the letters, which take the light tooltip colour to stand out.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, RoleColour(ColourRole::TooltipBackground));
    label->setPalette(palette);
    return label;
}

QLabel* MakePicture1(QWidget* window)
{
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(TwipsRect(1560, 480, 615, 495));
    // The classic single border of a picture box: two pixels, sunken.
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, RoleColour(ColourRole::ButtonFace));
    picture->setPalette(palette);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The box keeps its size; the icon is cut where the border begins rather
    // than painted over it.
    InfoPictures& pictures = *SharedPictures;
    if (pictures.figureInBox.isNull()) {
        const QRect inside(QPoint(0, 0), picture->contentsRect().size());
        pictures.figureInBox = pictures.figure.copy(inside & pictures.figure.rect());
    }
    picture->setPixmap(pictures.figureInBox);
    return picture;
}

} // namespace

InfoWindow::InfoWindow()
    : ModalWindow(Qt::Dialog, QStringLiteral("info"), QStringLiteral("A propos ..."), 2100, 990)
{
    background_ = SharedPictures->background;
    setWindowIcon(SharedPictures->windowIcon);
    for (const InfoLabel& label : Labels)
        MakeLabel(label, this);
    MakePicture1(this);
}

void InfoWindow::paintEvent(QPaintEvent*)
{
    // At its natural size from the top-left corner: the window shows only the
    // picture's top-left part, neither scaled nor tiled.
    QPainter(this).drawPixmap(0, 0, background_);
}

} // namespace corvane::ui
