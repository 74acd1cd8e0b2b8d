// The tool speaks the user's language, from the catalogues beside it, where
// the locale lets gettext (plain "C" does not); what scripts read stays English.
#include "tests/cli/CliTest.h"

namespace {

TEST_F(CliTest, MessagesInTheUsersLanguageAndScriptsOutputInEnglish)
{
    const std::vector<std::string> wrongValue{"set", "Default", "red.team=nvaa"};
    struct Case {
        std::string locale;
        std::string err;
    };
    const Case cases[] = {
        {"LANG=C LANGUAGE=de",
            Said("Invalid value \"nvaa\" for red.team. Did you mean \"NVA\"? Valid teams: NVA, "
                 "Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Run \"quavel-cli help set\" for help.\n"},
        {"LANG=C.UTF-8 LANGUAGE=de",
            Said("Ungültiger Wert \"nvaa\" für red.team. Meinten Sie \"NVA\"? Gültige Teams: NVA, "
                 "Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Hilfe mit \"quavel-cli help set\".\n"},
        // French puts a no-break space before "?" and ":".
        {"LANG=de_DE.UTF-8 LANGUAGE=fr",
            Said("Valeur \"nvaa\" non valide pour red.team. Vouliez-vous dire \"NVA\"\u00a0? "
                 "Équipes valides\u00a0: NVA, Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Lancez \"quavel-cli help set\" pour obtenir de l'aide.\n"},
    };
    // The holding's text is translated in the plain output.
    const std::string json = Run({"targets", "--json"}).out;
    ASSERT_NE(json.find("\"text\": \"no CustomCombat.wst\""), std::string::npos) << json;
    for (const Case& c : cases) {
        locale = c.locale;
        EXPECT_EQ(Run(wrongValue).err, c.err) << c.locale;
        EXPECT_EQ(Run({"targets", "--json"}).out, json) << c.locale;
    }
}

}  // namespace
