// The tool speaks the user's language, from the catalogues beside it, where
// the locale lets gettext (plain "C" does not); what scripts read stays English.
#include "tests/cli/CliTest.h"

#include "profile/RegularFile.h"

namespace {

TEST_F(CliTest, MessagesInTheUsersLanguageAndScriptsOutputInEnglish)
{
    const std::vector<std::string> wrongValue{"set", "Default", "red.team=nvaa"};
    // The parser's reason in its frame, the reader's refusal, and a size past
    // the limit, whose plural follows the file's size.
    Write({{"Bad.wst", "<?xml version=\"1.0\"?>\r\n<gameMode activeTeams=\"1/0\" x=\"\" x=\"\"/>"},
        {"Huge.wst", ""}});
    std::filesystem::resize_file(root / "work" / "Huge.wst", kMaximumProfileBytes + 1);
    const std::vector<std::string> check{"check", "Bad.wst", "Huge.wst"};
    // A connection that fails for real: nothing listens on port 1.
    const std::vector<std::string> publish{
        "publish", "Default", "--to-url", "ftp://127.0.0.1:1/bfv"};
    struct Case {
        std::string locale;
        std::string err;
        std::string checked;
        std::string refused;
        std::string noInstall;
    };
    const Case cases[] = {
        {"LANG=C LANGUAGE=de",
            Said("Invalid value \"nvaa\" for red.team. Did you mean \"NVA\"? Valid teams: NVA, "
                 "Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Run \"quavel-cli help set\" for help.\n",
            Said("Bad.wst: No gameMode tag found!\nBad.wst: line 2, column 34: duplicate attribute")
                + Said("Huge.wst: The file is 16777217 bytes, more than a profile may have "
                       "(16777216)"),
            "The server refused the connection or cannot be reached (127.0.0.1; ",
            "Game: not found: no Wine registry (system.reg) in {wine}\n"},
        {"LANG=C.UTF-8 LANGUAGE=de",
            Said("Ungültiger Wert \"nvaa\" für red.team. Meinten Sie \"NVA\"? Gültige Teams: NVA, "
                 "Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Hilfe mit \"quavel-cli help set\".\n",
            Said("Bad.wst: Kein gameMode-Tag gefunden!\nBad.wst: Zeile 2, Spalte 34: doppeltes "
                 "Attribut")
                + Said("Huge.wst: Die Datei hat 16777217 Bytes, mehr als ein Profil haben darf "
                       "(16777216)"),
            "Der Server hat die Verbindung abgelehnt oder ist nicht erreichbar "
            "(127.0.0.1; ",
            "Spiel: nicht gefunden: keine Wine-Registry (system.reg) in {wine}\n"},
        // French puts a no-break space before "?" and ":".
        {"LANG=de_DE.UTF-8 LANGUAGE=fr",
            Said("Valeur \"nvaa\" non valide pour red.team. Vouliez-vous dire \"NVA\"\u00a0? "
                 "Équipes valides\u00a0: NVA, Viet Cong, ARVN, US Army, US Marine, Special Forces.")
                + "Lancez \"quavel-cli help set\" pour obtenir de l'aide.\n",
            Said("Bad.wst: Aucune balise gameMode trouvée\u00a0!\nBad.wst: ligne 2, colonne "
                 "34\u00a0: attribut en double")
                + Said("Huge.wst: Le fichier fait 16777217 octets, plus que ne peut en avoir un "
                       "profil (16777216)"),
            "Le serveur a refusé la connexion ou est injoignable (127.0.0.1\u00a0; ",
            "Jeu\u00a0: introuvable\u00a0: aucun registre Wine (system.reg) dans {wine}\n"},
    };
    // The holding's text is translated in the plain output.
    const std::string json = Run({"targets", "--json"}).out;
    ASSERT_NE(json.find("\"text\": \"no CustomCombat.wst\""), std::string::npos) << json;
    const std::string checkedJson = Run({"check", "--json", "Bad.wst", "Huge.wst"}).out;
    ASSERT_NE(checkedJson.find("line 2, column 34: duplicate attribute"), std::string::npos)
        << checkedJson;
    for (const Case& c : cases) {
        locale = c.locale;
        EXPECT_EQ(Run(wrongValue).err, c.err) << c.locale;
        EXPECT_EQ(Run(check).err, c.checked) << c.locale;
        EXPECT_THAT(Run(publish).err, ::testing::HasSubstr(c.refused)) << c.locale;
        EXPECT_THAT(Run({"targets"}).out, ::testing::HasSubstr(c.noInstall)) << c.locale;
        EXPECT_EQ(Run({"targets", "--json"}).out, json) << c.locale;
        EXPECT_EQ(Run({"check", "--json", "Bad.wst", "Huge.wst"}).out, checkedJson) << c.locale;
    }
}

}  // namespace
