#include "generator/HtmlGenerator.h"

#include <string_view>

void THtmlGenerator::BeginTable(bool border, const std::string& caption, const std::string& align) {
    Add(border ? "<table border=\"3\">\r\n" : "<table>\r\n");
    if (caption.empty()) {
        return;
    }
    if (!align.empty()) {
        Add("<caption  align=\"");
        Add(align);
        Add("\">");
    } else {
        Add("<caption>");
    }
    Add(caption);
    Add("</caption>\r\n");
}

void THtmlGenerator::AddCell(const std::string& text, const std::string& align, bool header,
                             const std::string& bgColor) {
    const std::string_view tag = header ? "th" : "td";
    Add("   <");
    Add(tag);
    Add(" align=\"");
    Add(align);
    if (!bgColor.empty()) {
        Add("\" bgcolor=\"");
        Add(bgColor);
    }
    Add("\">");
    Add(text);
    Add("</");
    Add(tag);
    Add(">\r\n");
}

void THtmlGenerator::AddHeading(const std::string& text, int level, const std::string& align) {
    const std::string n = std::to_string(level);
    Add("<h");
    Add(n);
    if (!align.empty()) {
        Add(" align=\"");
        Add(align);
        Add("\"");
    }
    Add(">");
    Add(text);
    Add("</h");
    Add(n);
    Add(">\r\n");
}

void THtmlGenerator::AddBreaks(int count) {
    for (int i = 0; i < count; ++i) {
        Add("<br />\r\n");
    }
}

void THtmlGenerator::AddLink(const std::string& anchor, const std::string& text) {
    Add("<a href=\"#");
    Add(anchor);
    Add("\">");
    Add(text);
    Add("</a>\r\n");
}

void THtmlGenerator::AddAnchor(const std::string& name, const std::string& text) {
    Add("<h2><a name=\"");
    Add(name);
    Add("\"></a>");
    Add(text);
    Add("</h2>");
}
