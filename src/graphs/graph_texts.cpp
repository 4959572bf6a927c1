#include "graphs/graph_texts.h"

#include <array>

namespace calorvia::graphs {
namespace {

struct Bilingual {
    GraphText key;
    std::string_view english;
    std::string_view portuguese;
};

constexpr std::array kTexts{
    Bilingual{GraphText::AttentionTitle, "Attention", "Atenção"},
    Bilingual{GraphText::ScaleGroupCaption, "Values for definition of the scale",
              "Valores para definição da escala"},
    Bilingual{GraphText::ScaleReadingError, "There is a error in the reading! Please inform again.",
              "Houve um erro na leitura! Por favor informe novamente."},
    Bilingual{GraphText::ScaleRangeError,
              "ymax must to be larger or equal to the ymin! Please inform again.",
              "ymax tem que ser maior ou igual a ymin! Por favor informe novamente."},
    Bilingual{GraphText::SchemeGroupCaption, "Diffusion-Convection Problem",
              "Problema Difusivo-Convectivo"},
};

}  // namespace

std::string_view graphText(GraphText text, std::int32_t language) {
    for (const auto& entry : kTexts) {
        if (entry.key == text) return language == kPortuguese ? entry.portuguese : entry.english;
    }
    return {};
}

}  // namespace calorvia::graphs
