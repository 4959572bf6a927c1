#include "shell/menus.h"

#include <array>
#include <cstddef>

namespace calorvia::shell {

using texts::Text;

namespace {

using C = MenuCommand;
using T = Text;

constexpr MenuEntry title(int menuNumber, Text text) {
    return {menuNumber, item::Title, text, C::None};
}
constexpr MenuEntry entry(int menuNumber, int itemNumber, Text text, MenuCommand command) {
    return {menuNumber, itemNumber, text, command};
}
constexpr MenuEntry separator(int menuNumber, int itemNumber) {
    return {menuNumber, itemNumber, std::nullopt, C::None};
}

// Separators: File after items 1, 3 and 5; Simulation after item 1; Results
// after every entry; Preferences after items 1, 4 and 6; Information after
// every entry. "&Idioma" and "&Language" both stay in either language, so
// that a user finds the language choice whatever the current language.
constexpr std::array kMenuTable{
    title(menu::File, T::MenuFile),
    entry(menu::File, item::New, T::MenuNew, C::NOVO),
    separator(menu::File, 2),
    entry(menu::File, item::Open, T::MenuOpen, C::ABRIR),
    separator(menu::File, 4),
    entry(menu::File, item::Exit, T::MenuExit, C::SAIR),
    separator(menu::File, 6),

    title(menu::Simulation, T::MenuSimulation),
    entry(menu::Simulation, item::SimulationCommand, T::MenuBeginSimulation, C::SimulationCommand),
    separator(menu::Simulation, 2),

    title(menu::Results, T::MenuResults),
    entry(menu::Results, item::SelectGraph, T::MenuSelectGraph, C::SelectGraph),
    separator(menu::Results, 2),
    entry(menu::Results, item::CopyGraph, T::MenuCopyGraph, C::CopyGraph),
    separator(menu::Results, 4),
    entry(menu::Results, item::Dataset, T::MenuDataset, C::SHOW1),
    separator(menu::Results, 6),
    entry(menu::Results, item::FluxInVolumes, T::MenuFluxInVolumes, C::SHOW2),
    separator(menu::Results, 8),
    entry(menu::Results, item::FluxVersusPosition, T::MenuFluxVersusPosition, C::SHOW3),
    separator(menu::Results, 10),
    entry(menu::Results, item::UnsteadyState, T::MenuUnsteadyState, C::SHOW4),
    separator(menu::Results, 12),
    entry(menu::Results, item::WestBoundary, T::MenuWestBoundary, C::SHOW5),
    separator(menu::Results, 14),
    entry(menu::Results, item::EastBoundary, T::MenuEastBoundary, C::SHOW6),
    separator(menu::Results, 16),
    entry(menu::Results, item::SteadyState, T::MenuSteadyState, C::SHOW7),
    separator(menu::Results, 18),
    entry(menu::Results, item::PrintScreen, T::MenuPrintScreen, C::IMPRIMIR),
    separator(menu::Results, 20),
    entry(menu::Results, item::SaveResultsAs, T::MenuSaveResultsAs, C::SaveResultsAs),
    separator(menu::Results, 22),
    entry(menu::Results, item::CompareExact, T::MenuCompareExact, C::CompareExact),
    separator(menu::Results, 24),
    entry(menu::Results, item::EnergyBalance, T::MenuEnergyBalance, C::EnergyBalance),
    separator(menu::Results, 26),

    title(menu::Preferences, T::MenuPreferences),
    entry(menu::Preferences, item::GraphColour, T::MenuGraphColour, C::COR),
    separator(menu::Preferences, 2),
    entry(menu::Preferences, item::Idioma, T::MenuIdioma, C::LANGUAGE),
    entry(menu::Preferences, item::Language, T::MenuLanguage, C::LANGUAGE),
    separator(menu::Preferences, 5),
    entry(menu::Preferences, item::Tolerance, T::MenuTolerance, C::TOLERANCE),
    separator(menu::Preferences, 7),

    title(menu::Information, T::MenuInformation),
    entry(menu::Information, item::SoftwareHelp, T::MenuSoftwareHelp, C::AJUDA_SOFT),
    separator(menu::Information, 2),
    entry(menu::Information, item::WindowsHelp, T::MenuWindowsHelp, C::AJUDA_WIN),
    separator(menu::Information, 4),
    entry(menu::Information, item::HomePage, T::MenuHomePage, C::HOMEPAGE),
    separator(menu::Information, 6),
    entry(menu::Information, item::SendEmail, T::MenuSendEmail, C::EMAIL),
    separator(menu::Information, 8),
    entry(menu::Information, item::About, T::MenuAbout, C::ABOUT),
    separator(menu::Information, 10),
};

// Items are appended in order, so each entry's number must be the next one
// of its menu, starting from the title.
constexpr bool numberedInOrder() {
    int menuNumber = 0;
    int next = 0;
    for (const MenuEntry& each : kMenuTable) {
        if (each.menu != menuNumber) {
            if (each.menu != menuNumber + 1) return false;
            menuNumber = each.menu;
            next = 0;
        }
        if (each.item != next) return false;
        const bool isTitle = each.item == item::Title;
        if (isTitle && !each.text) return false;                              // a title has a text
        if (isTitle != (each.command == C::None) && each.text) return false;  // items: commands
        if (!each.text && each.command != C::None) return false;              // separators: none
        ++next;
    }
    return menuNumber == menu::Count;
}
static_assert(numberedInOrder(), "menu entries must be numbered as they are appended");

}  // namespace

std::span<const MenuEntry> menuTable() {
    return kMenuTable;
}

Text simulationFaceText(SimulationFace face) {
    switch (face) {
        case SimulationFace::Begin:
            return T::MenuBeginSimulation;
        case SimulationFace::Cancel:
            return T::MenuCancelSimulation;
        case SimulationFace::Clear:
            return T::MenuClearScreen;
    }
    return T::MenuBeginSimulation;
}

}  // namespace calorvia::shell
