// The desktop's files of an install, their texts from the interface
// languages: the desktop entry, the AppStream metadata and the MIME types
// of game files.
//
//   gen_bureau OUT_DIR ID HOMEPAGE
// writes OUT_DIR/ID.desktop, OUT_DIR/ID.metainfo.xml and OUT_DIR/ID.xml.
#include <cstdio>
#include <fstream>
#include <string>

#include "lang/textes.h"

namespace {

using kolmar::NB_LANGUES;
using kolmar::Texte;

// Locale codes of the languages, in language order; English is the
// untranslated text a desktop falls back on.
const char* const k_codes[NB_LANGUES] = {"fr", "en", "nl", "pt", "es", "it"};
constexpr int DEFAUT = kolmar::ANGLAIS;

std::string t(Texte x, int l) {
    return kolmar::texte(x, l);
}

std::string xml(const std::string& s) {
    std::string r;
    for (char c : s) {
        switch (c) {
            case '&':
                r += "&amp;";
                break;
            case '<':
                r += "&lt;";
                break;
            case '>':
                r += "&gt;";
                break;
            case '"':
                r += "&quot;";
                break;
            default:
                r += c;
        }
    }
    return r;
}

// key=text, then key[xx]=text for each other language.
std::string cle_traduite(const char* cle, Texte x) {
    std::string r = std::string(cle) + "=" + t(x, DEFAUT) + "\n";
    for (int l = 0; l < NB_LANGUES; ++l)
        if (l != DEFAUT) r += std::string(cle) + "[" + k_codes[l] + "]=" + t(x, l) + "\n";
    return r;
}

// <balise>text</balise>, then one line per other language.
std::string balise_traduite(const std::string& retrait, const char* balise, Texte x) {
    std::string r = retrait + "<" + balise + ">" + xml(t(x, DEFAUT)) + "</" + balise + ">\n";
    for (int l = 0; l < NB_LANGUES; ++l)
        if (l != DEFAUT)
            r += retrait + "<" + balise + " xml:lang=\"" + k_codes[l] + "\">" + xml(t(x, l)) + "</" + balise + ">\n";
    return r;
}

const char* const MIME_DAM = "application/x-kolmar3d";
const char* const MIME_PDN = "application/x-pdn";

std::string entree(const std::string& id) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.4\n"
           "Name=Kolmar 3D\n" +
           cle_traduite("GenericName", Texte::BureauGenre) + cle_traduite("Comment", Texte::BureauResume) +
           cle_traduite("Keywords", Texte::BureauMotsCles) + "Icon=" + id +
           "\n"
           "Exec=kolmar %f\n"
           "TryExec=kolmar\n"
           "Terminal=false\n"
           "StartupNotify=true\n"
           "Categories=Game;BoardGame;\n"
           "MimeType=" +
           MIME_DAM + ";" + MIME_PDN + ";\n";
}

std::string metadonnees(const std::string& id, const std::string& site) {
    std::string d = "  <description>\n";
    for (Texte p : {Texte::BureauDescription, Texte::BureauDescription2}) d += balise_traduite("    ", "p", p);
    d += "  </description>\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<component type=\"desktop-application\">\n"
           "  <id>" +
           id +
           "</id>\n"
           "  <metadata_license>CC0-1.0</metadata_license>\n"
           "  <project_license>LicenseRef-proprietary</project_license>\n"
           "  <name>Kolmar 3D</name>\n" +
           balise_traduite("  ", "summary", Texte::BureauResume) + d + "  <launchable type=\"desktop-id\">" + id +
           ".desktop</launchable>\n"
           "  <url type=\"homepage\">" +
           xml(site) +
           "</url>\n"
           "  <screenshots>\n"
           "    <screenshot type=\"default\">\n" +
           balise_traduite("      ", "caption", Texte::BureauCapture) + "      <image>" + xml(site) +
           "/screenshot.png</image>\n"
           "    </screenshot>\n"
           "  </screenshots>\n"
           "  <provides>\n"
           "    <binary>kolmar</binary>\n"
           "    <binary>kolmar-cli</binary>\n"
           "    <mediatype>" +
           MIME_DAM +
           "</mediatype>\n"
           "    <mediatype>" +
           MIME_PDN +
           "</mediatype>\n"
           "  </provides>\n"
           "  <content_rating type=\"oars-1.1\"/>\n"
           "</component>\n";
}

std::string types(const std::string& id) {
    auto type = [&](const char* nom, Texte commentaire, const char* motif, bool texte) {
        std::string r = std::string("  <mime-type type=\"") + nom + "\">\n";
        r += balise_traduite("    ", "comment", commentaire);
        if (texte) r += "    <sub-class-of type=\"text/plain\"/>\n";
        r += "    <icon name=\"" + id + "\"/>\n";
        r += std::string("    <glob pattern=\"") + motif + "\"/>\n";
        return r + "  </mime-type>\n";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
           type(MIME_DAM, Texte::MimeDam, "*.dam", false) + type(MIME_PDN, Texte::MimePdn, "*.pdn", true) +
           "</mime-info>\n";
}

bool ecrire(const std::string& chemin, const std::string& contenu) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << contenu;
    if (!f) std::fprintf(stderr, "gen_bureau: cannot write %s\n", chemin.c_str());
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: gen_bureau OUT_DIR ID HOMEPAGE\n");
        return 2;
    }
    const std::string dir = argv[1], id = argv[2], site = argv[3];
    const bool ok = ecrire(dir + "/" + id + ".desktop", entree(id)) &&
                    ecrire(dir + "/" + id + ".metainfo.xml", metadonnees(id, site)) &&
                    ecrire(dir + "/" + id + ".xml", types(id));
    return ok ? 0 : 1;
}
