// The window's game kept in files: open, save, the last game, print and PDF.
#include "ui/form1.h"

#include "document/gamefile.h"
#include "document/gameselection.h"
#include "document/savedstakes.h"
#include "engine/allocation.h"
#include "export/exportcommand.h"
#include "ui/busycursor.h"
#include "ui/clickablelabel.h"
#include "ui/gamefiledialogs.h"
#include "ui/gameprintout.h"
#include "ui/gamestate.h"
#include "ui/picture.h"
#include "ui/printpreview.h"
#include "ui/qtbridge.h"
#include "ui/runnersdialog.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <cctype>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

namespace ornal {

namespace {

struct MenuEntry {
    const char* text; // the action, a tab, then its shortcut as the menu shows it
    std::function<void()> run;
};

// A right-click (or the menu key) on button offers entries; the button's own click keeps doing the first.
void AttachMenu(QPushButton* button, const char* name, const std::vector<MenuEntry>& entries)
{
    auto* menu = new QMenu(button);
    menu->setObjectName(QString::fromLatin1(name));
    for (const MenuEntry& entry : entries) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        QObject::connect(action, &QAction::triggered, button, entry.run);
    }
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(button, &QWidget::customContextMenuRequested, menu,
        [button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
}

void AddShortcut(QWidget* window, const char* name, QKeyCombination keys, const std::function<void()>& run)
{
    auto* shortcut = new QShortcut(QKeySequence(keys), window);
    shortcut->setObjectName(QString::fromLatin1(name));
    QObject::connect(shortcut, &QShortcut::activated, window, run);
}

Message CriticalMessage(std::string text)
{
    return Message { std::move(text), MessageIcon::Critical };
}

// The name the player chose, with the extension added when it lacks it. A name the dialog returned as it is was
// confirmed if it stood already; one completed here was not, and is never replaced.
std::pair<std::filesystem::path, ExistingFile> CompletedName(std::filesystem::path chosen, std::string_view extension)
{
    std::string ending = chosen.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == extension) {
        return { std::move(chosen), ExistingFile::Replace };
    }
    chosen += std::string(extension);
    return { std::move(chosen), ExistingFile::Keep };
}

std::string Today()
{
    return ShortDate(CurrentLocalDateTime());
}

} // namespace

void Form1::connectGameControls()
{
    connect(m_ext.OuvrirJeu, &QPushButton::clicked, this, [this] { OpenGame(); });
    connect(m_ext.EnregistrerJeu, &QPushButton::clicked, this, [this] { SaveCurrentGame(); });
    connect(m_ext.ImprimerJeu, &QPushButton::clicked, this, [this] { PrintGame(); });
    connect(m_ext.AnnulerJeu, &QPushButton::clicked, this, [this] { UndoListChange(); });
    AttachMenu(m_ext.OuvrirJeu, "MenuOuvrirJeu",
        { { "Ouvrir un jeu…\tCtrl+O", [this] { OpenGame(); } },
            { "Rouvrir le dernier jeu\tCtrl+Maj+O", [this] { ReopenLastGame(); } } });
    AttachMenu(m_ext.EnregistrerJeu, "MenuEnregistrerJeu",
        { { "Enregistrer\tCtrl+S", [this] { SaveCurrentGame(); } },
            { "Enregistrer sous…\tCtrl+Maj+S", [this] { SaveCurrentGameAs(); } } });
    AttachMenu(m_ext.AnnulerJeu, "MenuAnnulerJeu",
        { { "Annuler\tCtrl+Z", [this] { UndoListChange(); } },
            { "Rétablir\tCtrl+Maj+Z", [this] { RedoListChange(); } } });
    AddShortcut(this, "RouvrirDernierJeu", Qt::CTRL | Qt::SHIFT | Qt::Key_O, [this] { ReopenLastGame(); });
    AddShortcut(this, "EnregistrerSous", Qt::CTRL | Qt::SHIFT | Qt::Key_S, [this] { SaveCurrentGameAs(); });
    AddShortcut(this, "Retablir", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [this] { RedoListChange(); });
    for (ClickableLabel* logo : m_ui.PictureJeux) {
        logo->setProperty(kLogoHomeProperty, logo->pos());
    }
    m_ext.OuvrirJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rouvrir le dernier jeu (Ctrl+Maj+O)"));
    m_ext.EnregistrerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : enregistrer sous un autre nom (Ctrl+Maj+S)"));
    m_ext.AnnulerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rétablir ce qui a été annulé (Ctrl+Maj+Z)"));
}

SavedGame Form1::currentGame() const
{
    SavedGame game = m_keptParts;
    game.selection = ReadSavedSelection(m_ui, m_baseCount);
    game.view = ReadSavedView(m_ui, m_baseCount, m_logos);
    // A refused computation leaves the list of the computation before it: the file keeps the prediction that list
    // was made of, so that it still opens as that list's game.
    game.list = m_model->list();
    game.selectionText = game.list.empty() ? m_selectionText : m_listSelectionText;
    game.runners = m_runners;
    game.oddsThresholds = m_oddsThresholds;
    game.bet.reset();
    if (const BetType* type = m_bets.type()) {
        game.bet = SavedBet { std::string(type->id), m_bets.stakeCents(*type), m_bets.rapportBaseCents(*type) };
    }
    game.stakes = SavedStakes(m_bets);
    return game;
}

void Form1::showGame(SavedGame game)
{
    const SavedView view = ViewOf(game);
    // The ticks are the file's, already judged when they were made: no tick is refused on the way in.
    m_showingSelection = true;
    const Selection shown = ShowSavedSelection(m_ui, game.selection, view);
    m_showingSelection = false;
    m_baseCount = shown.baseCount;
    m_logos = shown.logos;
    m_selectionText = std::move(game.selectionText);
    // The runners are the game's race: a game without them leaves none of the race shown before. They come before
    // the list, so that the chances the list's cost shows are theirs.
    RaceState raceBefore { std::exchange(m_runners, std::move(game.runners)), m_oddsThresholds };
    m_oddsThresholds = game.oddsThresholds;
    if (m_runnersDialog) {
        m_runnersDialog->showRunners(m_runners);
    }
    const CombinationList::Count count = game.list.size();
    replaceList(std::move(game.list));
    m_history.recordRace(std::move(raceBefore));
    m_ui.TotalComb->setText(ToQString(CaptionText(view.caption, count)));
    m_ui.Command5->setVisible(count > 0);
    RestoreStakes(m_bets, game.stakes);
    // A bet the program no longer knows leaves the type the selection proposes.
    if (const BetType* type = game.bet ? FindBetType(game.bet->typeId) : nullptr) {
        m_bets.setStakeCents(*type, game.bet->unitStakeCents);
        m_bets.setRapportBaseCents(*type, game.bet->rapportBaseCents.value_or(type->defaultStakeCents));
        ChooseBetType(type);
    }
    game.selection = {};
    game.list = {};
    game.view.reset();
    game.runners.clear();
    game.oddsThresholds.reset();
    game.stakes.clear();
    m_keptParts = std::move(game);
}

bool Form1::openGameFile(const std::filesystem::path& file)
{
    BusyCursor busy;
    GameLoadOutcome loaded = LoadGame(file);
    if (!loaded.ok()) {
        busy.restore();
        m_messages->show(CriticalMessage(loaded.message));
        return false;
    }
    // Showing the largest list builds its rows: a shortage there is the same message as one while reading.
    if (!TryAllocating([&] {
            showGame(std::move(*loaded.game));
            return true;
        })) {
        busy.restore();
        showOutOfMemory();
        return false;
    }
    return true;
}

void Form1::OpenGame()
{
    FileNameQuestion question { false, QStringLiteral("Ouvrir un jeu"), GameFileFilter(),
        m_gameFile.empty() ? GameDocumentsFolder() : m_gameFile.parent_path() };
    const std::optional<std::filesystem::path> chosen = m_services.askFileName(question);
    if (chosen && openGameFile(*chosen)) {
        m_gameFile = *chosen;
    }
}

void Form1::ReopenLastGame()
{
    const std::filesystem::path file = m_services.lastGameFile();
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        m_messages->show(Message { "Aucun jeu n'a encore été gardé : le dernier jeu est celui que la fenêtre "
                                   "garde en se fermant.",
            MessageIcon::Information });
        return;
    }
    // The kept game has no name of its own: the next save asks for one.
    if (openGameFile(file)) {
        m_gameFile.clear();
    }
}

void Form1::SaveCurrentGame()
{
    saveGame(m_gameFile.empty());
}

void Form1::SaveCurrentGameAs()
{
    saveGame(true);
}

void Form1::saveGame(bool askName)
{
    std::filesystem::path target = m_gameFile;
    // Saving again to the same game replaces its previous file, once the new one is complete.
    ExistingFile existing = ExistingFile::Replace;
    if (askName) {
        const std::filesystem::path suggested
            = m_gameFile.empty() ? GameDocumentsFolder() / ("jeu" + std::string(kGameExtension)) : m_gameFile;
        const std::optional<std::filesystem::path> chosen
            = m_services.askFileName({ true, QStringLiteral("Enregistrer le jeu"), GameFileFilter(), suggested });
        if (!chosen) {
            return;
        }
        std::tie(target, existing) = CompletedName(*chosen, kGameExtension);
    }
    BusyCursor busy;
    const WriteOutcome outcome = ornal::SaveGame(target, currentGame(), existing);
    busy.restore();
    if (!outcome.written()) {
        m_messages->show(CriticalMessage(outcome.message));
        return;
    }
    m_gameFile = target;
}

void Form1::saveLastGame()
{
    const std::filesystem::path file = m_services.lastGameFile();
    if (file.empty()) {
        return;
    }
    // A window closed as it opened, or after a start that computed nothing, would only overwrite the game kept from
    // the time before with one the player cannot want back.
    if (m_model->list().empty()) {
        return;
    }
    const SavedGame game = currentGame();
    if (m_startingGame && game == *m_startingGame) {
        return;
    }
    // Closing cannot wait for the player: whatever goes wrong here is left unsaid.
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    ornal::SaveGame(file, game, ExistingFile::Replace);
}

void Form1::PrintGame()
{
    auto printout = std::make_shared<const GamePrintout>(currentGame(), Today());
    PrintPreviewRequest request;
    request.parent = this;
    request.size = QSize(TwipsToPixels(14400), TwipsToPixels(11520));
    request.setUpPage = [](QPagedPaintDevice* device) { UsePrintoutPage(device); };
    request.paint = [printout](QPagedPaintDevice* device) { printout->paint(device); };
    request.pdfIcon = Picture(QStringLiteral(":/disk.png"));
    request.saveAsPdf = [this, printout] {
        std::filesystem::path suggested = m_gameFile.empty() ? GameDocumentsFolder() / "jeu.pdf" : m_gameFile;
        suggested.replace_extension(".pdf");
        const std::optional<std::filesystem::path> chosen = m_services.askFileName(
            { true, QStringLiteral("Enregistrer en PDF"), QStringLiteral("Documents PDF (*.pdf)"), suggested });
        if (!chosen) {
            return;
        }
        const auto [target, existing] = CompletedName(*chosen, ".pdf");
        BusyCursor busy;
        const WriteOutcome outcome = WriteGamePdf(target, *printout, existing);
        busy.restore();
        if (!outcome.written()) {
            m_messages->show(CriticalMessage(outcome.message));
        }
    };
    std::string failure;
    if (!OpenPrintPreview(request, failure)) {
        m_messages->show(CriticalMessage("L'aperçu avant impression n'a pas pu être ouvert : " + failure + "."));
    }
}

} // namespace ornal
