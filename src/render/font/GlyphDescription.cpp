#include "render/font/GlyphDescription.h"

#include <strings.h>
#include <tinyxml.h>

#include "core/Log.h"
#include "render/XmlFile.h"

namespace nimbus {

namespace {

// The attributes of a glyph element and where each goes.
struct GlyphAttribute {
    const char* name;
    int32_t GlyphRecord::*field;
};

const GlyphAttribute kAttributes[] = {
    {"UTF-32", &GlyphRecord::code}, {"x", &GlyphRecord::x},
    {"y", &GlyphRecord::y},         {"width", &GlyphRecord::width},
    {"rows", &GlyphRecord::rows},   {"left", &GlyphRecord::left},
    {"top", &GlyphRecord::top},     {"advance_x_64", &GlyphRecord::advanceX64},
};

}  // namespace

bool readGlyphDescription(const char* fileName, GlyphDescription& description) {
    description = GlyphDescription();
    TiXmlDocument document;
    if (!loadXmlFile(fileName, document)) return false;
    const TiXmlElement* root = document.RootElement();
    if (!root) return true;
    int size = 0;
    root->QueryIntAttribute("glyph_size", &size);
    description.glyphSize = size;
    // One record for the whole document: what a glyph leaves out, the one before set.
    GlyphRecord record;
    for (const TiXmlElement* group = root->FirstChildElement(); group; group = group->NextSiblingElement()) {
        if (strcasecmp(group->Value(), "glyphs") != 0) continue;
        for (const TiXmlElement* glyph = group->FirstChildElement(); glyph;
             glyph = glyph->NextSiblingElement()) {
            for (const GlyphAttribute& attribute : kAttributes) {
                int value = 0;
                if (glyph->QueryIntAttribute(attribute.name, &value) == TIXML_SUCCESS)
                    record.*attribute.field = value;
            }
            description.glyphs.push_back(record);
        }
    }
    return true;
}

bool writeGlyphDescription(const char* fileName, const GlyphDescription& description) {
    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    auto* root = new TiXmlElement("font");
    root->SetAttribute("glyph_size", description.glyphSize);
    document.LinkEndChild(root);
    auto* group = new TiXmlElement("glyphs");
    root->LinkEndChild(group);
    for (const GlyphRecord& record : description.glyphs) {
        auto* glyph = new TiXmlElement("glyph");
        for (const GlyphAttribute& attribute : kAttributes)
            glyph->SetAttribute(attribute.name, record.*attribute.field);
        group->LinkEndChild(glyph);
    }
    if (!document.SaveFile(fileName)) {
        LOG_ERROR("Failed to write the glyph description " << fileName);
        return false;
    }
    return true;
}

}  // namespace nimbus
