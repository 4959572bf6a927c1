#include "shell/menus.h"

#include <array>
#include <cstddef>

#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::shell {

using texts::Text;

namespace {

using C = MenuCommand;
using texts::RunText;
using texts::ShellText;

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
    title(menu::File, ShellText::MenuFile),
    entry(menu::File, item::New, ShellText::MenuNew, C::NOVO),
    separator(menu::File, 2),
    entry(menu::File, item::Open, ShellText::MenuOpen, C::ABRIR),
    separator(menu::File, 4),
    entry(menu::File, item::Exit, ShellText::MenuExit, C::SAIR),
    separator(menu::File, 6),

    title(menu::Simulation, ShellText::MenuSimulation),
    entry(menu::Simulation, item::SimulationCommand, ShellText::MenuBeginSimulation,
          C::SimulationCommand),
    separator(menu::Simulation, 2),

    title(menu::Results, ShellText::MenuResults),
    entry(menu::Results, item::SelectGraph, ShellText::MenuSelectGraph, C::SelectGraph),
    separator(menu::Results, 2),
    entry(menu::Results, item::CopyGraph, ShellText::MenuCopyGraph, C::CopyGraph),
    separator(menu::Results, 4),
    entry(menu::Results, item::Dataset, ShellText::MenuDataset, C::SHOW1),
    separator(menu::Results, 6),
    entry(menu::Results, item::FluxInVolumes, ShellText::MenuFluxInVolumes, C::SHOW2),
    separator(menu::Results, 8),
    entry(menu::Results, item::FluxVersusPosition, ShellText::MenuFluxVersusPosition, C::SHOW3),
    separator(menu::Results, 10),
    entry(menu::Results, item::UnsteadyState, ShellText::MenuUnsteadyState, C::SHOW4),
    separator(menu::Results, 12),
    entry(menu::Results, item::WestBoundary, ShellText::MenuWestBoundary, C::SHOW5),
    separator(menu::Results, 14),
    entry(menu::Results, item::EastBoundary, ShellText::MenuEastBoundary, C::SHOW6),
    separator(menu::Results, 16),
    entry(menu::Results, item::SteadyState, ShellText::MenuSteadyState, C::SHOW7),
    separator(menu::Results, 18),
    entry(menu::Results, item::PrintScreen, ShellText::MenuPrintScreen, C::IMPRIMIR),
    separator(menu::Results, 20),
    entry(menu::Results, item::SaveResultsAs, ShellText::MenuSaveResultsAs, C::SaveResultsAs),
    separator(menu::Results, 22),
    entry(menu::Results, item::CompareExact, RunText::MenuCompareExact, C::CompareExact),
    separator(menu::Results, 24),
    entry(menu::Results, item::EnergyBalance, RunText::MenuEnergyBalance, C::EnergyBalance),
    separator(menu::Results, 26),

    title(menu::Preferences, ShellText::MenuPreferences),
    entry(menu::Preferences, item::GraphColour, ShellText::MenuGraphColour, C::COR),
    separator(menu::Preferences, 2),
    entry(menu::Preferences, item::Idioma, ShellText::MenuIdioma, C::LANGUAGE),
    entry(menu::Preferences, item::Language, ShellText::MenuLanguage, C::LANGUAGE),
    separator(menu::Preferences, 5),
    entry(menu::Preferences, item::Tolerance, ShellText::MenuTolerance, C::TOLERANCE),
    separator(menu::Preferences, 7),

    title(menu::Information, ShellText::MenuInformation),
    entry(menu::Information, item::SoftwareHelp, ShellText::MenuSoftwareHelp, C::AJUDA_SOFT),
    separator(menu::Information, 2),
    entry(menu::Information, item::WindowsHelp, ShellText::MenuWindowsHelp, C::AJUDA_WIN),
    separator(menu::Information, 4),
    entry(menu::Information, item::HomePage, ShellText::MenuHomePage, C::HOMEPAGE),
    separator(menu::Information, 6),
    entry(menu::Information, item::SendEmail, ShellText::MenuSendEmail, C::EMAIL),
    separator(menu::Information, 8),
    entry(menu::Information, item::About, ShellText::MenuAbout, C::ABOUT),
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
            return ShellText::MenuBeginSimulation;
        case SimulationFace::Cancel:
            return ShellText::MenuCancelSimulation;
        case SimulationFace::Clear:
            return ShellText::MenuClearScreen;
    }
    return ShellText::MenuBeginSimulation;
}

}  // namespace calorvia::shell
