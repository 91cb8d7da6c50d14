#pragma once

#include "engine/refusal.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// Why a file step did not happen: what is wrong in French (no capital, no full stop), and the system error behind
// it, 0 when the program itself refused.
struct FileProblem {
    std::string reason;
    int errorNumber = 0;

    // The problem of a failed system call, worded by SystemErrorText.
    static FileProblem FromErrno(int errorNumber);

    bool operator==(const FileProblem&) const = default;
};

// What a write callback or a check returns: nullopt when the step went well. It is a part of a refusal, not one:
// the file's writer or reader words the sentence the player reads around its reason.
using FileStep = std::optional<FileProblem>;

// The name the player knows a file by: its last path component, or the whole path when it has none, with its
// control characters escaped (see PrintableText).
std::string DisplayName(const std::filesystem::path& file);

// "Impossible d'enregistrer « name » : reason."
std::string CannotSaveSentence(const std::filesystem::path& file, std::string_view reason);

// "Impossible d'ouvrir « name » : reason."
std::string CannotOpenSentence(const std::filesystem::path& file, std::string_view reason);

// The refusal to save file for problem: its CannotSaveSentence, caused by the problem's system error.
Refusal CannotSave(const std::filesystem::path& file, const FileProblem& problem);

// The refusal to open file for problem: its CannotOpenSentence, caused by the problem's system error.
Refusal CannotOpen(const std::filesystem::path& file, const FileProblem& problem);

} // namespace ornal
