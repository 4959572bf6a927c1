#include "simulation/case_writer.h"

#include "simulation/simulation_case.h"
#include "text/fixed_text.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::simulation {
namespace {

// Free-form numbers stand behind one blank.
std::string leadingBlank(const std::string& value) {
    std::string line(" ");
    line += value;
    return line;
}

class CaseLines {
public:
    explicit CaseLines(CaseFileLayout layout) : layout_(layout) {}

    // A numeric entry: the parsed value in the working file (written so that
    // it reads back exactly), the text as typed, 50 characters wide, in a
    // saved file.
    void number(const CaseFileNumber& entry) {
        if (layout_ == CaseFileLayout::Working) {
            lines_.push_back(leadingBlank(text::shortestReal(entry.value)));
        } else {
            lines_.push_back(text::fitToWidth(entry.text, EntryTextWidth));
        }
    }
    void integer(std::int32_t value) { lines_.push_back(leadingBlank(std::to_string(value))); }
    void geometry(Geometry shape, const CaseFileNumber& ri) {
        lines_.push_back(geometryLineText(shape, layout_ == CaseFileLayout::Working
                                                     ? text::shortestReal(ri.value)
                                                     : text::fitToWidth(ri.text, EntryTextWidth)));
    }
    void property(const std::string& typed) { lines_.emplace_back(text::trimRight(typed)); }

    // The type and its values in the order of its description; an unknown
    // type has no value lines.
    void boundary(const BoundaryEntry& b) {
        integer(fileNumber(b.condition.type));
        const BoundaryTypeDescription* type = describe(b.condition.type);
        if (type == nullptr) return;
        for (const BoundaryValue value : type->values) {
            const BoundaryValueDescription& held = describe(value);
            number({b.*held.typed, b.condition.*held.number});
        }
    }

    std::vector<std::string> take() { return std::move(lines_); }

private:
    CaseFileLayout layout_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> caseFileLines(const CaseFileContent& content, CaseFileLayout layout) {
    CaseLines out(layout);
    out.number(content.Lx);
    out.integer(content.N);
    out.property(content.K);
    out.property(content.Sc);
    out.property(content.Sp);
    out.integer(fileNumber(content.state));
    out.integer(fileNumber(content.method));
    if (content.state == CaseState::Unsteady || content.u.value > 0.0) {
        out.property(content.Ti);
        out.property(content.Rho);
        out.property(content.Cp);
        out.number(content.Delt_t);
        out.integer(content.Nst);
        out.integer(content.No);
    }
    out.boundary(content.west);
    out.boundary(content.east);
    out.number(content.u);
    if (isRadial(content.geometry)) out.geometry(content.geometry, content.ri);
    return out.take();
}

bool writeCaseFile(const std::filesystem::path& path, const CaseFileContent& content,
                   CaseFileLayout layout) {
    std::string file;
    for (const std::string& line : caseFileLines(content, layout)) {
        file += line;
        file += '\n';
    }
    return text::writeTextFileAtomically(path, file);
}

}  // namespace calorvia::simulation
