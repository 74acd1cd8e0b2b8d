#include "installs/YamlLibrary.h"

#include "profile/LoadedLibrary.h"
#include "text/Formatted.h"
#include "text/Translated.h"

namespace {

// The name Debian's libyaml-0-2 package gives the library (its soname).
constexpr const char* kLibraryName = "libyaml-0.so.2";

struct Loading {
    YamlLibrary library{};
    bool loaded = false;
    std::string detail;  // the loader's reason, when not loaded
};

Loading LoadOnce()
{
    Loading loading;
    const LoadedLibrary library(kLibraryName);
    YamlLibrary& yaml = loading.library;
    loading.loaded = library.IsOpen()
        && library.Resolve("yaml_parser_initialize", yaml.parserInitialize)
        && library.Resolve("yaml_parser_delete", yaml.parserDelete)
        && library.Resolve("yaml_parser_set_input_string", yaml.parserSetInputString)
        && library.Resolve("yaml_parser_parse", yaml.parserParse)
        && library.Resolve("yaml_event_delete", yaml.eventDelete);
    if (!loading.loaded)
        loading.detail = library.IsOpen() ? std::string(kLibraryName) : library.error();
    return loading;
}

}  // namespace

const YamlLibrary* YamlLibrary::Load(std::string& problem)
{
    static const Loading loading = LoadOnce();
    problem = loading.loaded
        ? ""
        : Formatted(Translated("Lutris game files need libyaml, which could not be loaded: %s"),
            {loading.detail});
    return loading.loaded ? &loading.library : nullptr;
}
