// Turns the help pages' text sources into the HTML help files the
// program's help viewer shows. Markup: "# " a title, "## " a section,
// "- " a list item, a blank line ends a paragraph; & < > are escaped.
//
//   gen_aide SOURCE.txt OUT
#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string echapper(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == '&')
            r += "&amp;";
        else if (c == '<')
            r += "&lt;";
        else if (c == '>')
            r += "&gt;";
        else
            r += c;
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_aide SOURCE.txt OUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "gen_aide: cannot open %s\n", argv[1]);
        return 1;
    }
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n";
    bool para = false, liste = false;
    auto fermer = [&] {
        if (para) html += "</p>\n";
        if (liste) html += "</ul>\n";
        para = liste = false;
    };
    std::string l;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (l.empty()) {
            fermer();
        } else if (l.rfind("## ", 0) == 0) {
            fermer();
            html += "<h2>" + echapper(l.substr(3)) + "</h2>\n";
        } else if (l.rfind("# ", 0) == 0) {
            fermer();
            html += "<h1>" + echapper(l.substr(2)) + "</h1>\n";
        } else if (l.rfind("- ", 0) == 0) {
            if (para) html += "</p>\n", para = false;
            if (!liste) html += "<ul>\n", liste = true;
            html += "<li>" + echapper(l.substr(2)) + "</li>\n";
        } else {
            if (liste) html += "</ul>\n", liste = false;
            html += para ? "\n" : "<p>";
            para = true;
            html += echapper(l);
        }
    }
    fermer();
    html += "</body></html>\n";
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    return out ? 0 : 1;
}
