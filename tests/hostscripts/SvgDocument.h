#pragma once

#include <QByteArray>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

namespace vemo_test {

// What a test looks at in document.svg, read with an XML parser of its own.
struct SvgDocument {
    using Attributes = std::map<std::string, std::string>;

    std::string error;                  // empty when the document is well-formed
    std::vector<std::string> elements;  // every element's name, in document order
    Attributes root;
    std::vector<Attributes> images;

    static SvgDocument Parse(const std::string& bytes) {
        SvgDocument document;
        QXmlStreamReader reader(QByteArray::fromStdString(bytes));
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) continue;
            Attributes attributes;
            for (const auto& attribute : reader.attributes()) {
                attributes[attribute.qualifiedName().toString().toStdString()] =
                    attribute.value().toString().toStdString();
            }
            const std::string name = reader.name().toString().toStdString();
            if (document.elements.empty()) document.root = attributes;
            if (name == "image") document.images.push_back(attributes);
            document.elements.push_back(name);
        }
        if (reader.hasError()) document.error = reader.errorString().toStdString();
        return document;
    }
};

}  // namespace vemo_test
