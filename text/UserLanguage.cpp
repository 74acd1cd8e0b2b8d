#include "text/UserLanguage.h"

#include "text/Translated.h"

#include <clocale>
#include <system_error>

void UserLanguage::Start(TextEncoding encoding)
{
    Start(encoding, CatalogueFolder());
}

void UserLanguage::Start(TextEncoding encoding, const std::filesystem::path& catalogueFolder)
{
    std::setlocale(LC_ALL, "");
    bindtextdomain(kTextDomain, catalogueFolder.c_str());
    if (encoding == TextEncoding::Utf8)
        bind_textdomain_codeset(kTextDomain, "UTF-8");
}

std::filesystem::path UserLanguage::CatalogueFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path beside = program.parent_path().parent_path() / "share/locale";
        if (std::filesystem::is_directory(beside, error))
            return beside;
    }
    return QUAVEL_LOCALE_DIR;
}
