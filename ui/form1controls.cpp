#include "ui/form1controls.h"

#include "ui/clickablelabel.h"
#include "ui/markstyle.h"
#include "ui/numberboxfilter.h"
#include "ui/picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <vector>

namespace ornal {

namespace {

QFont ArialFont(double points, bool bold = false)
{
    QFont font(WindowFontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Place(QWidget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QPushButton* PictureButton(QWidget* parent, const char* name, int left, int top, int size, const char* picture,
    int pictureSize, const char* tooltip)
{
    auto* button = new QPushButton(parent);
    Place(button, name, left, top, size, size);
    button->setIcon(Picture(QString::fromLatin1(picture)));
    button->setIconSize(QSize(pictureSize, pictureSize));
    button->setToolTip(QString::fromUtf8(tooltip));
    return button;
}

QLabel* GreyLabel(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption,
    const char* tooltip, const QFont& font)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    Place(label, name, left, top, width, height);
    label->setToolTip(QString::fromUtf8(tooltip));
    label->setFont(font);
    SetTextColour(label, QColor(0x80, 0x80, 0x80));
    return label;
}

QComboBox* DropDown(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = new QComboBox(parent);
    Place(box, name, left, top, width, height);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    SetBackground(box, Qt::white);
    return box;
}

// Pasting (the context menu, Shift+Insert, a middle click) bypasses the key filter: the validator holds pasted text
// to what typing could give.
void AcceptTypedNumbersOnly(QLineEdit* box, NumberBoxFilter* numberFilter, const QValidator* typedNumbers)
{
    box->installEventFilter(numberFilter);
    box->setValidator(typedNumbers);
}

QGroupBox* CaptionedFrame(
    QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    Place(frame, name, left, top, width, height);
    frame->setFont(ArialFont(9.75));
    SetBackground(frame, Qt::white);
    return frame;
}

} // namespace

QString WindowFontFamily()
{
    // The window's texts are measured for Arial; Liberation Sans has its metrics. A substitute of the system's
    // choosing is often wider, and the labels are cut.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Arial")) ? QStringLiteral("Arial")
                                                                                    : QStringLiteral("Liberation Sans");
    return family;
}

int TwipsToPixels(int twips)
{
    return (twips * 2 + 15) / 30;
}

void Form1Controls::build(QWidget* window, NumberBoxFilter* numberFilter)
{
    Command1 = PictureButton(window, "Command1", 0, 0, 495, ":/door.png", 32, " Sortir du programme ");
    SetBackground(Command1, QColor(0xFF, 0xE0, 0xC0));
    Command7
        = PictureButton(window, "Command7", 490, 0, 495, ":/spreadsheet.png", 32, " Exporter vers Microsoft Excel ");
    Command6 = PictureButton(window, "Command6", 990, 0, 495, ":/globe.png", 32, " Site Galopia ");
    Command8 = PictureButton(window, "Command8", 1480, 0, 495, ":/bulb.png", 32, " Version programme ");

    Frame1 = new QFrame(window);
    Place(Frame1, "Frame1", 10, 500, 5295, 7770);
    SetBackground(Frame1, Qt::white);

    Frame3 = CaptionedFrame(Frame1, "Frame3", 120, 100, 5055, 870, "Les filtres de calcul");
    NombreLabel = GreyLabel(
        Frame3, "NombreLabel", 240, 240, 675, 240, "Nombre", " Nombre de numéro de votre pronostic ", ArialFont(9.75));
    NombreChevaux = DropDown(Frame3, "NombreChevaux", 240, 480, 615, 315);
    JeuLabel = GreyLabel(Frame3, "JeuLabel", 1800, 240, 360, 240, "Jeu ",
        " Type de jeu, Couplé, 2sur4, Trio, Tiercé, Quarté, Quinté+, Multil...  ", ArialFont(9.75));
    Jeu = DropDown(Frame3, "Jeu", 1800, 480, 495, 315);
    BaseLabel = GreyLabel(
        Frame3, "BaseLabel", 2640, 240, 495, 255, "Base", " Avec base ou Sans base de jeu ", ArialFont(9.75));
    Base = DropDown(Frame3, "Base", 2640, 480, 1335, 315);

    static const int logoLefts[7] = { 600, 960, 1440, 1800, 2160, 2880, 3240 };
    static const char* logoTips[7]
        = { " Couplé ", " 2sur4 ", " Trio  ", " Tiercé ", " Quarté ", " Multi ", " Quinté+ " };
    for (int i = 0; i < 7; ++i) {
        auto* logo = new ClickableLabel(Frame3);
        Place(logo, "", logoLefts[i], 1920, 285, 285);
        logo->setObjectName(QStringLiteral("PictureJeux_%1").arg(i));
        logo->setPixmap(Picture(QStringLiteral(":/logo_%1.png").arg(i)).pixmap(17, 17));
        logo->setAlignment(Qt::AlignCenter);
        logo->setFrameShape(QFrame::Box);
        logo->setLineWidth(1);
        logo->setToolTip(QString::fromUtf8(logoTips[i]));
        PictureJeux[i] = logo;
    }

    // One validator serves the 25 number and result boxes.
    const auto* typedNumbers
        = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), window);
    auto* markStyle = new MarkStyle;
    markStyle->setParent(window);
    Frame2 = CaptionedFrame(Frame1, "Frame2", 120, 1000, 5055, 2055, "Chiffres pronostic");
    for (int i = 0; i < 20; ++i) {
        const int column = i % 10;
        const int row = i / 10;
        auto* box = new QLineEdit(Frame2);
        Place(box, "", 240 + 480 * column, 360 + 840 * row, 375, 375);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        AcceptTypedNumbersOnly(box, numberFilter, typedNumbers);
        SetBackground(box, Qt::white);
        Text1[i] = box;
        auto* mark = new QCheckBox(QStringLiteral("Check1"), Frame2);
        mark->setStyle(markStyle);
        Place(mark, "", 360 + 480 * column, 840 + 840 * row, 135, 195);
        mark->setObjectName(QStringLiteral("Check1_%1").arg(i));
        SetBackground(mark, Qt::white);
        Check1[i] = mark;
    }

    List1 = new QListView(Frame1);
    Place(List1, "List1", 120, 3060, 5055, 2700);
    List1->setUniformItemSizes(true);
    List1->setFont(ArialFont(9.75));
    List1->setEditTriggers(QListView::NoEditTriggers);
    List1->setSelectionMode(QListView::SingleSelection);
    SetBackground(List1, Qt::white);
    SetTextColour(List1, Qt::black);

    Label2 = GreyLabel(Frame1, "Label2", 120, 5880, 1290, 210,
        "Uniquement le :", "Garder uniquement les combinaisons avec ce chiffre", ArialFont(8.25, true));
    garde = DropDown(Frame1, "garde", 1440, 5880, 615, 315);
    Command3 = PictureButton(Frame1, "Command3", 2040, 5880, 300, ":/tick.png", 16, " Valider ");
    Picture10 = new ClickableLabel(Frame1);
    Place(Picture10, "Picture10", 3880, 5880, 1290, 510);
    Picture10->setPixmap(Picture(QStringLiteral(":/valider.png")).pixmap(86, 29));
    Picture10->setToolTip(QStringLiteral(" Valider le calcul "));
    Picture10->setCursor(QCursor(Picture(QStringLiteral(":/pointinghand.png")).pixmap(32, 32), 12, 1));
    Label7 = GreyLabel(Frame1, "Label7", 120, 6240, 1170, 210,
        "Supprimer le :", "Supprimer uniquement les combinaisons avec ce chiffre", ArialFont(8.25, true));
    supp = DropDown(Frame1, "supp", 1440, 6240, 615, 315);
    Command4 = PictureButton(Frame1, "Command4", 2040, 6240, 300, ":/tick.png", 16, " Valider ");

    Frame4 = CaptionedFrame(Frame1, "Frame4", 120, 6600, 5055, 1095, "Rechercher un résultat");
    for (int i = 0; i < 5; ++i) {
        auto* box = new QLineEdit(Frame4);
        Place(box, "", 120 + 360 * i, 360, 330, 320);
        box->setObjectName(QStringLiteral("txtscan_%1").arg(i));
        AcceptTypedNumbersOnly(box, numberFilter, typedNumbers);
        SetBackground(box, QColor(0xE0, 0xE0, 0xE0));
        txtscan[i] = box;
    }
    Command2 = PictureButton(Frame4, "Command2", 120, 720, 300, ":/search.png", 16, " Lancer la recherche ");

    TotalComb = new QLabel(window);
    Place(TotalComb, "TotalComb", 10, 8280, 5310, 315);
    TotalComb->setFont(ArialFont(9));
    SetTextColour(TotalComb, QColor(0x80, 0x80, 0x80));
    SetBackground(TotalComb, Qt::white);

    Valider = PictureButton(window, "Valider", 2760, 10440, 495, ":/redtick.png", 32, "");
    SetBackground(Valider, QColor(0xFF, 0xE0, 0xC0));
    Command5 = PictureButton(
        window, "Command5", 2160, 10440, 495, ":/shuffle.png", 32, "Mélange les combinaisons après calcul");
    List2 = new QListView(window);
    Place(List2, "List2", 3720, 10800, 1575, 255);
    Image1 = new QLabel(window);
    Place(Image1, "Image1", 6840, 10800, 480, 480);
    Image1->setPixmap(Picture(QStringLiteral(":/horse.png")).pixmap(32, 32));

    nameForAssistiveTechnologies();
    chainKeyboardFocus();
}

void Form1Controls::nameForAssistiveTechnologies()
{
    const std::pair<QWidget*, const char*> named[] = { { NombreChevaux, "Nombre" }, { Jeu, "Jeu" }, { Base, "Base" },
        { garde, "Uniquement le" }, { supp, "Supprimer le" }, { Command1, "Sortir du programme" },
        { Command7, "Exporter vers Microsoft Excel" }, { Command6, "Site Galopia" }, { Command8, "Version programme" },
        { Command2, "Lancer la recherche" }, { Command3, "Garder" }, { Command4, "Supprimer" },
        { Picture10, "Valider le calcul" }, { List1, "Combinaisons" }, { Valider, "Valider" },
        { Command5, "Mélanger les combinaisons" } };
    for (const auto& [widget, name] : named) {
        widget->setAccessibleName(QString::fromUtf8(name));
    }
    Command3->setAccessibleDescription(QStringLiteral("Garder uniquement les combinaisons avec ce chiffre"));
    Command4->setAccessibleDescription(QStringLiteral("Supprimer uniquement les combinaisons avec ce chiffre"));
    Picture10->setAccessibleDescription(QStringLiteral("Calcule toutes les combinaisons du pronostic"));
    for (int i = 0; i < 20; ++i) {
        Text1[i]->setAccessibleName(QStringLiteral("Numéro %1").arg(i + 1));
        Check1[i]->setAccessibleName(QStringLiteral("Base sur le numéro %1").arg(i + 1));
        Check1[i]->setAccessibleDescription(QStringLiteral("Cocher pour placer ce numéro en base, à sa position"));
    }
    for (int i = 0; i < 5; ++i) {
        txtscan[i]->setAccessibleName(QStringLiteral("Résultat %1").arg(i + 1));
    }
    // On Linux a drop-down box's accessible name is its text: its label is announced through the buddy relation.
    for (const auto& [label, box] : { std::pair { NombreLabel, NombreChevaux }, std::pair { JeuLabel, Jeu },
             std::pair { BaseLabel, Base }, std::pair { Label2, garde }, std::pair { Label7, supp } }) {
        label->setBuddy(box);
    }
    static const char* logoNames[7] = { "Couplé", "2sur4", "Trio", "Tiercé", "Quarté+", "Multi", "Quinté+" };
    for (int i = 0; i < 7; ++i) {
        PictureJeux[i]->setAccessibleName(QString::fromUtf8(logoNames[i]));
    }
}

void Form1Controls::chainKeyboardFocus()
{
    // The controls below the window's edge are never seen: the focus must not vanish into them.
    for (QWidget* unseen : { static_cast<QWidget*>(Valider), static_cast<QWidget*>(Command5),
             static_cast<QWidget*>(List2), static_cast<QWidget*>(Image1) }) {
        unseen->setFocusPolicy(Qt::NoFocus);
    }
    Picture10->setFocusPolicy(Qt::StrongFocus);
    for (ClickableLabel* logo : PictureJeux) {
        logo->setFocusPolicy(Qt::StrongFocus);
    }

    // The keyboard order of the design: each control's tab index. Qt ignores links through a control that cannot
    // take the focus, which scrambled the order after such a control, so only focusable ones are chained.
    std::vector<std::pair<int, QWidget*>> tabs
        = { { 0, NombreChevaux }, { 1, Valider }, { 2, Jeu }, { 3, Base }, { 24, TotalComb }, { 25, Command1 },
              { 26, Command7 }, { 28, Command5 }, { 27, List2 }, { 29, Command6 }, { 30, Command8 }, { 64, List1 },
              { 66, Command2 }, { 72, Command4 }, { 73, supp }, { 74, Command3 }, { 75, garde }, { 78, Picture10 } };
    for (int i = 0; i < 20; ++i) {
        tabs.emplace_back(4 + i, Text1[i]);
        tabs.emplace_back(52 - i, Check1[i]);
    }
    for (int i = 0; i < 5; ++i) {
        tabs.emplace_back(71 - i, txtscan[i]);
    }
    for (int i = 0; i < 7; ++i) {
        tabs.emplace_back(60 - i, PictureJeux[i]);
    }
    std::sort(tabs.begin(), tabs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::erase_if(tabs, [](const auto& tab) { return !(tab.second->focusPolicy() & Qt::TabFocus); });
    for (std::size_t i = 1; i < tabs.size(); ++i) {
        QWidget::setTabOrder(tabs[i - 1].second, tabs[i].second);
    }
}

} // namespace ornal
