#pragma once

// libyaml, loaded the first time a Lutris game file is read rather than when
// the program starts: most users have no Lutris, and the search would make
// every start of both programs pay for a YAML parser.

#include <yaml.h>

#include <string>

struct YamlLibrary {
    decltype(&yaml_parser_initialize) parserInitialize;
    decltype(&yaml_parser_delete) parserDelete;
    decltype(&yaml_parser_set_input_string) parserSetInputString;
    decltype(&yaml_parser_parse) parserParse;
    decltype(&yaml_event_delete) eventDelete;

    // The library, loaded once for the whole program; null when it cannot be
    // loaded, and then problem says why.
    static const YamlLibrary* Load(std::string& problem);
};
