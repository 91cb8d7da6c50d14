// The window's game kept in files: open, save, the last game, print and PDF.
#include "ui/form1.h"

#include "document/gamefile.h"
#include "engine/allocation.h"
#include "export/exportcommand.h"
#include "ui/busycursor.h"
#include "ui/clickablelabel.h"
#include "ui/gamefiledialogs.h"
#include "ui/gameprintout.h"
#include "ui/picture.h"
#include "ui/printpreview.h"
#include "ui/qtbridge.h"
#include "ui/selectionview.h"

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
    KeepLogoHomes(m_ui);
    m_ext.OuvrirJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rouvrir le dernier jeu (Ctrl+Maj+O)"));
    m_ext.EnregistrerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : enregistrer sous un autre nom (Ctrl+Maj+S)"));
    m_ext.AnnulerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rétablir ce qui a été annulé (Ctrl+Maj+Z)"));
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
            (void)m_game.open(std::move(*loaded.game));
            showGame();
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
        m_game.file().empty() ? GameDocumentsFolder() : m_game.file().parent_path() };
    const std::optional<std::filesystem::path> chosen = m_services.askFileName(question);
    if (chosen && openGameFile(*chosen)) {
        (void)m_game.setFile(*chosen);
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
        (void)m_game.setFile({});
    }
}

void Form1::SaveCurrentGame()
{
    saveGame(m_game.file().empty());
}

void Form1::SaveCurrentGameAs()
{
    saveGame(true);
}

void Form1::saveGame(bool askName)
{
    std::filesystem::path target = m_game.file();
    // Saving again to the same game replaces its previous file, once the new one is complete.
    ExistingFile existing = ExistingFile::Replace;
    if (askName) {
        const std::filesystem::path suggested
            = target.empty() ? GameDocumentsFolder() / ("jeu" + std::string(kGameExtension)) : target;
        const std::optional<std::filesystem::path> chosen
            = m_services.askFileName({ true, QStringLiteral("Enregistrer le jeu"), GameFileFilter(), suggested });
        if (!chosen) {
            return;
        }
        std::tie(target, existing) = CompletedName(*chosen, kGameExtension);
    }
    BusyCursor busy;
    const WriteOutcome outcome = ornal::SaveGame(target, m_game.saved(), existing);
    busy.restore();
    if (!outcome.written()) {
        m_messages->show(CriticalMessage(outcome.message));
        return;
    }
    (void)m_game.setFile(std::move(target));
}

void Form1::saveLastGame()
{
    const std::filesystem::path file = m_services.lastGameFile();
    if (file.empty()) {
        return;
    }
    // A window closed as it opened, or after a start that computed nothing, would only overwrite the game kept from
    // the time before with one the player cannot want back.
    if (m_game.list().empty()) {
        return;
    }
    const SavedGame game = m_game.saved();
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
    auto printout = std::make_shared<const GamePrintout>(m_game.saved(), Today());
    PrintPreviewRequest request;
    request.parent = this;
    request.size = QSize(TwipsToPixels(14400), TwipsToPixels(11520));
    request.setUpPage = [](QPagedPaintDevice* device) { UsePrintoutPage(device); };
    request.paint = [printout](QPagedPaintDevice* device) { printout->paint(device); };
    request.pdfIcon = Picture(QStringLiteral(":/disk.png"));
    request.saveAsPdf = [this, printout] {
        std::filesystem::path suggested = m_game.file().empty() ? GameDocumentsFolder() / "jeu.pdf" : m_game.file();
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
