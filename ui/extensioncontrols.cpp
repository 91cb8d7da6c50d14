#include "ui/extensioncontrols.h"

#include "ui/form1controls.h"
#include "ui/picture.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace ornal {

namespace {

QPushButton* ToolbarButton(QWidget* window, const char* name, int leftTwips, const char* picture, const char* tooltip)
{
    auto* button = new QPushButton(window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(TwipsToPixels(leftTwips), 0, TwipsToPixels(495), TwipsToPixels(495));
    button->setIcon(Picture(QString::fromLatin1(picture)));
    button->setIconSize(QSize(32, 32));
    const QString tip = QString::fromUtf8(tooltip);
    button->setToolTip(tip);
    button->setAccessibleName(tip.trimmed());
    return button;
}

} // namespace

void ExtensionControls::build(QWidget* window, const QLabel* countCaption)
{
    OuvrirJeu = ToolbarButton(window, "OuvrirJeu", 2100, ":/folder.png", " Ouvrir un jeu ");
    EnregistrerJeu = ToolbarButton(window, "EnregistrerJeu", 2590, ":/disk.png", " Enregistrer le jeu ");
    ImprimerJeu = ToolbarButton(window, "ImprimerJeu", 3080, ":/printer.png", " Imprimer le jeu ");
    AnnulerJeu = ToolbarButton(window, "AnnulerJeu", 3570, ":/undo.png", " Annuler la dernière opération ");
    CoutGains = ToolbarButton(window, "CoutGains", 4060, ":/coins.png", " Coût et gains ");
    ReduireJeu = ToolbarButton(window, "ReduireJeu", 4550, ":/funnel.png", " Réduire le jeu ");

    CoutJeu = new QLabel(window);
    CoutJeu->setObjectName(QStringLiteral("CoutJeu"));
    CoutJeu->setGeometry(TwipsToPixels(2700), TwipsToPixels(8280), TwipsToPixels(2620), TwipsToPixels(315));
    CoutJeu->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CoutJeu->setFont(countCaption->font());
    CoutJeu->setPalette(countCaption->palette());
    CoutJeu->setAccessibleName(QStringLiteral("Coût du jeu"));
}

} // namespace ornal
