#pragma once
// The constructs of the HTML pin report, one call per construct, each
// appending its text (with its own line end where it has one).

#include "generator/FileGenerator.h"

#include <string>

class THtmlGenerator : public FileGenerator {
public:
    void BeginHtml() { Add("<html>\r\n<body>\r\n"); }
    void EndHtml() { Add("</body>\r\n</html>\r\n"); }
    // <table border="3"> with the border flag; a caption line when the
    // caption is not empty (aligned when align is not empty).
    void BeginTable(bool border, const std::string& caption, const std::string& align);
    void EndTable() { Add("</table>\r\n"); }
    void BeginRow() { Add("<tr>\r\n"); }
    void EndRow() { Add("</tr>\r\n"); }
    // One th (header) or td cell, indented by three blanks; bgcolor only
    // when a colour is given.
    void AddCell(const std::string& text, const std::string& align, bool header,
                 const std::string& bgColor);
    void AddHeading(const std::string& text, int level, const std::string& align);
    void AddBreaks(int count);
    void AddLink(const std::string& anchor, const std::string& text);
    // An anchor heading without a line end: what follows stands on its line.
    void AddAnchor(const std::string& name, const std::string& text);
    void BeginList(bool ordered) { Add(ordered ? "<ol>\r\n" : "<ul>\r\n"); }
    void EndList(bool ordered) { Add(ordered ? "</ol>\r\n" : "</ul>\r\n"); }
    // Returns "<li>text</li>"; appends nothing.
    static std::string ListItem(const std::string& text) { return "<li>" + text + "</li>"; }
};
