#include "files/systemerrortext.h"

#include <cerrno>

namespace ornal {

std::string SystemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return "plus de place sur le disque";
    case EACCES:
    case EPERM:
        return "accès refusé";
    case ENOENT:
        return "dossier ou fichier introuvable";
    case EISDIR:
        return "c'est un dossier";
    case ENAMETOOLONG:
        return "nom de fichier trop long";
    case EROFS:
        return "système de fichiers en lecture seule";
    case EDQUOT:
        return "quota de disque dépassé";
    case EEXIST:
        return "le fichier existe déjà";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EIO:
        return "erreur d'entrée-sortie sur le disque";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case EFBIG:
        return "fichier trop volumineux";
    case ELOOP:
        return "trop de liens symboliques dans le chemin";
    case EBUSY:
        return "fichier ou dossier occupé";
    case ENOMEM:
        return "mémoire insuffisante";
    case EBADF:
        return "la sortie est fermée";
    case ENOEXEC:
        // A program replaced by a file of another kind, or built for another machine, when the window is started.
        return "le fichier n'est pas un programme que cette machine sait lancer";
    default:
        return "erreur système n° " + std::to_string(errorNumber);
    }
}

} // namespace ornal
