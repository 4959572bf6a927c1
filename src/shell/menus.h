#pragma once
// The menu bar: five menus in both languages, with their item numbers,
// separators and the command behind every entry.
//
// Inside a menu item 0 is the title and the items are numbered in the order
// appended, separators included; the numbers below are the ones the program
// uses to rename, grey and enable items.

#include <optional>
#include <span>

#include "texts/text_catalogue.h"

namespace calorvia::shell {

namespace menu {
inline constexpr int File = 1;
inline constexpr int Simulation = 2;
inline constexpr int Results = 3;
inline constexpr int Preferences = 4;
inline constexpr int Information = 5;
inline constexpr int Count = 5;
}  // namespace menu

namespace item {
inline constexpr int Title = 0;
// File
inline constexpr int New = 1;
inline constexpr int Open = 3;
inline constexpr int Exit = 5;
// Simulation: Begin Simulation, Cancel Simulation or Clear Screen
inline constexpr int SimulationCommand = 1;
// Results
inline constexpr int SelectGraph = 1;
inline constexpr int CopyGraph = 3;
inline constexpr int Dataset = 5;
inline constexpr int FluxInVolumes = 7;
inline constexpr int FluxVersusPosition = 9;
inline constexpr int UnsteadyState = 11;
inline constexpr int WestBoundary = 13;
inline constexpr int EastBoundary = 15;
inline constexpr int SteadyState = 17;
inline constexpr int PrintScreen = 19;
inline constexpr int SaveResultsAs = 21;
inline constexpr int CompareExact = 23;
inline constexpr int EnergyBalance = 25;
// Preferences
inline constexpr int GraphColour = 1;
inline constexpr int Idioma = 3;
inline constexpr int Language = 4;
inline constexpr int Tolerance = 6;
// Information
inline constexpr int SoftwareHelp = 1;
inline constexpr int WindowsHelp = 3;
inline constexpr int HomePage = 5;
inline constexpr int SendEmail = 7;
inline constexpr int About = 9;
}  // namespace item

enum class MenuCommand {
    None,  // titles and separators
    NOVO,
    ABRIR,
    SAIR,
    SimulationCommand,  // whatever item 2.1 stands for at the moment
    SelectGraph,
    CopyGraph,
    SHOW1,
    SHOW2,
    SHOW3,
    SHOW4,
    SHOW5,
    SHOW6,
    SHOW7,
    IMPRIMIR,
    SaveResultsAs,
    CompareExact,
    EnergyBalance,
    COR,
    LANGUAGE,
    TOLERANCE,
    AJUDA_SOFT,
    AJUDA_WIN,
    HOMEPAGE,
    EMAIL,
    ABOUT,
};

// One entry of the menu bar; an entry without a text is a separator.
struct MenuEntry {
    int menu;
    int item;
    std::optional<texts::Text> text;
    MenuCommand command;
};

// Every entry, in the order appended: menu by menu, item by item.
std::span<const MenuEntry> menuTable();

// The three faces of item 2.1.
enum class SimulationFace { Begin, Cancel, Clear };

texts::Text simulationFaceText(SimulationFace face);

}  // namespace calorvia::shell
