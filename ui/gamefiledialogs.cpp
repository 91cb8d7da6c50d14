#include "ui/gamefiledialogs.h"

#include "document/savedgame.h"
#include "ui/qtbridge.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <system_error>

namespace ornal {

namespace {

QString FromPath(const std::filesystem::path& path)
{
    return ToQString(path.string());
}

std::optional<std::filesystem::path> AskWithDialog(QWidget* window, const FileNameQuestion& question)
{
    QFileDialog dialog(window, question.title, QString(), question.filter);
    dialog.setObjectName(QStringLiteral("DialogueFichier"));
    if (question.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDirectory(FromPath(question.start.parent_path()));
        dialog.selectFile(FromPath(question.start.filename()));
        // The dialog adds the extension itself, so that it asks before replacing the file really written.
        const std::string extension = question.start.extension().string();
        if (!extension.empty()) {
            dialog.setDefaultSuffix(ToQString(extension.substr(1)));
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(FromPath(question.start));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(ToStd(dialog.selectedFiles().front()));
}

std::filesystem::path DefaultLastGameFile()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return std::filesystem::path(ToStd(data)) / "ornal" / "dernier-jeu.ornal";
}

} // namespace

void AddGameFileDefaults(Form1Services& services, QWidget* window)
{
    if (!services.askFileName) {
        services.askFileName = [window](const FileNameQuestion& question) { return AskWithDialog(window, question); };
    }
    if (!services.lastGameFile) {
        services.lastGameFile = [] { return DefaultLastGameFile(); };
    }
}

std::filesystem::path GameDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    std::error_code error;
    if (!documents.isEmpty() && std::filesystem::is_directory(ToStd(documents), error)) {
        return ToStd(documents);
    }
    return ToStd(QDir::homePath());
}

QString GameFileFilter()
{
    return QStringLiteral("Jeux Ornal (*%1)").arg(ToQString(kGameExtension));
}

} // namespace ornal
