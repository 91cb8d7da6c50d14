#pragma once

#include "files/fileproblem.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ornal {

// Every file the program produces is written to a hidden temporary in its destination folder, synced, checked and
// only then renamed to its name: the player finds it whole or not at all, even after a crash or a full disk.

// What happens when the final name is already taken. Outputs named on the command line keep what is there; a
// save that the player makes again to the same game replaces its previous file.
enum class ExistingFile { Keep, Replace };

// Words the sentence of a refused write around what is wrong (a FileProblem's reason).
using WriteRefusalWording = std::function<std::string(std::string_view reason)>;

struct AtomicWriteOptions {
    ExistingFile existing = ExistingFile::Keep;
    // Runs on the complete, synced temporary before it takes the final name; a problem abandons the write.
    std::function<FileStep(const std::string& temporaryPath)> check;
    // The sentence of a refusal; empty: the file's CannotSaveSentence.
    WriteRefusalWording wording;
};

// The refusal to write file for problem: worded by wording when there is one, otherwise the file's CannotSave.
Refusal WriteRefusal(const std::filesystem::path& file, const FileProblem& problem, const WriteRefusalWording& wording);

// The end of a write: done when the file stands complete under its name, otherwise the refusal with the French
// sentence naming the file ("Impossible d'enregistrer « x » : plus de place sur le disque."), caused by the system's
// error when there is one, and nothing left behind.
using WriteOutcome = Result<void>;

// Writes bytes as file.
WriteOutcome WriteFileAtomically(
    const std::filesystem::path& file, std::string_view bytes, const AtomicWriteOptions& options = {});

// Writes file through write(descriptor), which must not close the descriptor.
WriteOutcome WriteFileThroughDescriptor(const std::filesystem::path& file,
    const std::function<FileStep(int descriptor)>& write, const AtomicWriteOptions& options = {});

// Writes file by handing the temporary's path to write, for libraries that open the file by name themselves
// (the temporary stays writable by its owner meanwhile, whatever the umask).
WriteOutcome WriteFileByName(const std::filesystem::path& file,
    const std::function<FileStep(const std::string& temporaryPath)>& write, const AtomicWriteOptions& options = {});

// Writes every byte to descriptor, going on after short writes and interruptions.
FileStep WriteAll(int descriptor, std::string_view bytes);

// The hidden temporary name for finalName with random part random: "." + stem + "." + random + extension, the
// stem shortened (on a UTF-8 character boundary) so that the whole stays within 255 bytes.
std::string TemporaryNameFor(std::string_view finalName, std::string_view random);

// Gives from the name to inside folderDescriptor by a hard link then removes from, for filesystems that refuse
// renameat2; 0 or the errno (EEXIST when to exists, which is then left untouched).
int MoveIntoPlaceByLink(int folderDescriptor, const char* from, const char* to);

} // namespace ornal
