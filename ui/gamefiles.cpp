#include "ui/gamefiles.h"

#include "document/gamefile.h"
#include "engine/allocation.h"
#include "export/exportcommand.h"
#include "game/game.h"
#include "ui/busycursor.h"
#include "ui/extensioncontrols.h"
#include "ui/form1controls.h"
#include "ui/form1services.h"
#include "ui/gamefiledialogs.h"
#include "ui/gameprintout.h"
#include "ui/gameview.h"
#include "ui/messageboxes.h"
#include "ui/picture.h"
#include "ui/printpreview.h"
#include "ui/windowcommands.h"

#include <QPushButton>

#include <algorithm>
#include <cctype>
#include <memory>
#include <system_error>
#include <utility>

namespace ornal {

namespace {

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

GameFiles::GameFiles(Game& game, GameView& view, MessageBoxes& messages, const Form1Services& services, QWidget* window,
    ExtensionControls& ext, WindowCommands& commands)
    : m_game(game)
    , m_view(view)
    , m_messages(messages)
    , m_services(services)
    , m_window(window)
{
    RunPressingButton(this, commands.OuvrirUnJeu, ext.OuvrirJeu, [this] { OpenGame(); });
    Run(this, commands.RouvrirDernierJeu, [this] { ReopenLastGame(); });
    RunPressingButton(this, commands.Enregistrer, ext.EnregistrerJeu, [this] { SaveCurrentGame(); });
    Run(this, commands.EnregistrerSous, [this] { SaveCurrentGameAs(); });
    RunPressingButton(this, commands.Imprimer, ext.ImprimerJeu, [this] { PrintGame(); });
    AttachMenu(ext.OuvrirJeu, "MenuOuvrirJeu", { commands.OuvrirUnJeu, commands.RouvrirDernierJeu });
    AttachMenu(ext.EnregistrerJeu, "MenuEnregistrerJeu", { commands.Enregistrer, commands.EnregistrerSous });
    ext.OuvrirJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : rouvrir le dernier jeu (Ctrl+Maj+O)"));
    ext.EnregistrerJeu->setAccessibleDescription(
        QStringLiteral("Clic droit ou touche Menu : enregistrer sous un autre nom (Ctrl+Maj+S)"));
}

void GameFiles::rememberStart()
{
    m_startingGame = m_game.saved();
}

bool GameFiles::openGameFile(const std::filesystem::path& file)
{
    BusyCursor busy;
    GameLoadOutcome loaded = LoadGame(file);
    if (!loaded.ok()) {
        busy.restore();
        m_messages.show(loaded.refusal().message);
        return false;
    }
    // Showing the largest list builds its rows: a shortage there is the same message as one while reading.
    if (!TryAllocating([&] {
            (void)m_game.open(std::move(loaded).value());
            m_view.showGame();
            return true;
        })) {
        busy.restore();
        m_view.showOutOfMemory();
        return false;
    }
    return true;
}

void GameFiles::OpenGame()
{
    FileNameQuestion question { false, QStringLiteral("Ouvrir un jeu"), GameFileFilter(),
        m_game.file().empty() ? GameDocumentsFolder() : m_game.file().parent_path() };
    const std::optional<std::filesystem::path> chosen = m_services.askFileName(question);
    if (chosen && openGameFile(*chosen)) {
        (void)m_game.setFile(*chosen);
    }
}

void GameFiles::ReopenLastGame()
{
    const std::filesystem::path file = m_services.lastGameFile();
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        m_messages.show(Message { "Aucun jeu n'a encore été gardé : le dernier jeu est celui que la fenêtre "
                                  "garde en se fermant.",
            MessageIcon::Information });
        return;
    }
    // The kept game has no name of its own: the next save asks for one.
    if (openGameFile(file)) {
        (void)m_game.setFile({});
    }
}

void GameFiles::SaveCurrentGame()
{
    saveGame(m_game.file().empty());
}

void GameFiles::SaveCurrentGameAs()
{
    saveGame(true);
}

void GameFiles::saveGame(bool askName)
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
    if (!outcome) {
        m_messages.show(CriticalMessage(outcome.refusal().text()));
        return;
    }
    (void)m_game.setFile(std::move(target));
}

void GameFiles::saveLastGame()
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
    (void)ornal::SaveGame(file, game, ExistingFile::Replace);
}

void GameFiles::PrintGame()
{
    auto printout = std::make_shared<const GamePrintout>(m_game.saved(), Today());
    PrintPreviewRequest request;
    request.parent = m_window;
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
        if (!outcome) {
            m_messages.show(CriticalMessage(outcome.refusal().text()));
        }
    };
    std::string failure;
    if (!OpenPrintPreview(request, failure)) {
        m_messages.show(CriticalMessage("L'aperçu avant impression n'a pas pu être ouvert : " + failure + "."));
    }
}

} // namespace ornal
