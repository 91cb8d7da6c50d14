#include "export/workbookcheck.h"

#include <expat.h>
#include <zip.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace ornal {

namespace {

// A French reason by code, for the codes a damaged or unreadable workbook gives.
struct Reason {
    int code;
    const char* text;
};

std::string lookUp(std::initializer_list<Reason> reasons, int code, const char* otherwise)
{
    for (const Reason& reason : reasons) {
        if (reason.code == code) {
            return reason.text;
        }
    }
    return otherwise + std::to_string(code);
}

constexpr const char* kNoMemory = "mémoire insuffisante pour relire le classeur";

// Why libzip refused the archive or a part.
std::string zipReason(int code)
{
    return lookUp(
        { { ZIP_ER_NOENT, "fichier introuvable ou illisible" }, { ZIP_ER_OPEN, "fichier introuvable ou illisible" },
            { ZIP_ER_READ, "erreur de lecture du fichier" }, { ZIP_ER_SEEK, "erreur de lecture du fichier" },
            { ZIP_ER_TELL, "erreur de lecture du fichier" },
            { ZIP_ER_NOZIP, "ce n'est pas une archive zip (fin d'archive introuvable)" },
            { ZIP_ER_INCONS,
                "archive zip incohérente : le répertoire central et les en-têtes des parties ne concordent pas" },
            { ZIP_ER_CRC, "somme de contrôle (CRC) fausse" },
            { ZIP_ER_ZLIB, "données compressées illisibles ou coupées" },
            { ZIP_ER_COMPRESSED_DATA, "données compressées illisibles ou coupées" },
            { ZIP_ER_EOF, "données coupées avant leur fin" }, { ZIP_ER_COMPNOTSUPP, "méthode de compression inconnue" },
            { ZIP_ER_ENCRNOTSUPP, "partie chiffrée" }, { ZIP_ER_NOPASSWD, "partie chiffrée" },
            { ZIP_ER_MULTIDISK, "archive en plusieurs volumes" }, { ZIP_ER_MEMORY, kNoMemory } },
        code, "erreur zip n° ");
}

// What expat found wrong.
std::string xmlReason(XML_Error code)
{
    return lookUp({ { XML_ERROR_NO_MEMORY, kNoMemory }, { XML_ERROR_SYNTAX, "erreur de syntaxe" },
                      { XML_ERROR_NO_ELEMENTS, "élément racine absent ou jamais refermé" },
                      { XML_ERROR_INVALID_TOKEN, "caractère interdit ou balise invalide" },
                      { XML_ERROR_UNCLOSED_TOKEN, "balise coupée" }, { XML_ERROR_PARTIAL_CHAR, "caractère coupé" },
                      { XML_ERROR_TAG_MISMATCH, "balise fermante qui ne correspond pas à l'élément ouvert" },
                      { XML_ERROR_DUPLICATE_ATTRIBUTE, "attribut en double" },
                      { XML_ERROR_JUNK_AFTER_DOC_ELEMENT, "contenu après la fin de l'élément racine" },
                      { XML_ERROR_UNDEFINED_ENTITY, "entité inconnue" },
                      { XML_ERROR_BAD_CHAR_REF, "référence à un caractère interdit" },
                      { XML_ERROR_UNKNOWN_ENCODING, "codage des caractères inconnu ou faux" },
                      { XML_ERROR_INCORRECT_ENCODING, "codage des caractères inconnu ou faux" },
                      { XML_ERROR_MISPLACED_XML_PI, "déclaration XML mal placée ou mal formée" },
                      { XML_ERROR_XML_DECL, "déclaration XML mal placée ou mal formée" },
                      { XML_ERROR_UNCLOSED_CDATA_SECTION, "section CDATA jamais refermée" } },
        static_cast<int>(code), "erreur XML n° ");
}

// Reads part `index` to its end, through expat when it is XML; why it is damaged, or nothing.
std::optional<std::string> checkPart(zip_t* archive, zip_uint64_t index)
{
    const char* rawName = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    const std::string name = rawName ? rawName : "n° " + std::to_string(index + 1);
    const auto fault = [&name](const std::string& why) { return "partie " + name + " : " + why; };

    zip_stat_t stat;
    zip_stat_init(&stat);
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> part(
        zip_stat_index(archive, index, 0, &stat) == 0 ? zip_fopen_index(archive, index, 0) : nullptr, zip_fclose);
    if (!part) {
        return fault(zipReason(zip_error_code_zip(zip_get_error(archive))));
    }
    std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(nullptr, XML_ParserFree);
    if (name.ends_with(".xml") || name.ends_with(".rels")) {
        // Well-formedness alone: checking name spaces as well would cost a fifth more on the largest list.
        parser.reset(XML_ParserCreate(nullptr));
        if (!parser) {
            return fault(zipReason(ZIP_ER_MEMORY));
        }
    }
    std::array<char, 65536> buffer;
    zip_uint64_t total = 0;
    for (bool last = false; !last;) {
        // libzip checks the CRC and the size the directory announces as it reaches the end.
        const zip_int64_t count = zip_fread(part.get(), buffer.data(), buffer.size());
        if (count < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(part.get()));
            return fault(
                code == ZIP_ER_INCONS ? "taille différente de celle que le répertoire annonce" : zipReason(code));
        }
        total += static_cast<zip_uint64_t>(count);
        last = count == 0;
        if (parser && XML_Parse(parser.get(), buffer.data(), static_cast<int>(count), last) != XML_STATUS_OK) {
            return fault("XML mal formé à la ligne " + std::to_string(XML_GetCurrentLineNumber(parser.get()))
                + ", colonne " + std::to_string(XML_GetCurrentColumnNumber(parser.get()) + 1) + " : "
                + xmlReason(XML_GetErrorCode(parser.get())));
        }
    }
    if ((stat.valid & ZIP_STAT_SIZE) && total != stat.size) {
        return fault(std::to_string(total) + " octets au lieu des " + std::to_string(stat.size) + " annoncés");
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindDamagedPart(const std::filesystem::path& workbook)
{
    int code = ZIP_ER_OK;
    // ZIP_CHECKCONS compares every part's local header with its directory entry.
    const std::unique_ptr<zip_t, decltype(&zip_discard)> archive(
        zip_open(workbook.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code), zip_discard);
    if (!archive) {
        return zipReason(code);
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count <= 0) {
        return "archive sans aucune partie";
    }
    for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
        if (std::optional<std::string> why = checkPart(archive.get(), index)) {
            return why;
        }
    }
    return std::nullopt;
}

} // namespace ornal
