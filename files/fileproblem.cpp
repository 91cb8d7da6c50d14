#include "files/fileproblem.h"

#include "files/printabletext.h"
#include "files/systemerrortext.h"

namespace ornal {

namespace {

std::string Sentence(std::string_view opening, const std::filesystem::path& file, std::string_view reason)
{
    std::string text(opening);
    text += " « ";
    text += DisplayName(file);
    text += " » : ";
    text += reason;
    text += '.';
    return text;
}

} // namespace

FileProblem FileProblem::FromErrno(int errorNumber)
{
    return { SystemErrorText(errorNumber), errorNumber };
}

std::string DisplayName(const std::filesystem::path& file)
{
    // "dossier/" has an empty file name: the folder's own name is what the player typed.
    std::filesystem::path trimmed = file;
    while (trimmed.has_relative_path() && trimmed.filename().empty()) {
        trimmed = trimmed.parent_path();
    }
    const std::string name = trimmed.filename().string();
    return PrintableText(name.empty() ? file.string() : name);
}

std::string CannotSaveSentence(const std::filesystem::path& file, std::string_view reason)
{
    return Sentence("Impossible d'enregistrer", file, reason);
}

std::string CannotOpenSentence(const std::filesystem::path& file, std::string_view reason)
{
    return Sentence("Impossible d'ouvrir", file, reason);
}

Refusal CannotSave(const std::filesystem::path& file, const FileProblem& problem)
{
    return Refusal::Saying(CannotSaveSentence(file, problem.reason)).causedBy(problem.errorNumber);
}

Refusal CannotOpen(const std::filesystem::path& file, const FileProblem& problem)
{
    return Refusal::Saying(CannotOpenSentence(file, problem.reason)).causedBy(problem.errorNumber);
}

} // namespace ornal
