#pragma once
// the shell's texts: start-up, the About box, menus, commands, preferences, numeric errors, keeping
// the results and the desktop's own windows. The rows, in both languages and in this order, are in
// text_catalogue.cpp.

#include "texts/text_catalogue.h"

namespace calorvia::texts {

enum class ShellText : std::uint16_t {
    // ---- start-up and the About box
    ResolutionRefused,
    CurrentDirectoryFailed,
    ProgramFolderInUse,  // {} is the folder another program holds
    AboutPurpose,
    AboutCredits,
    AboutCreditsWeb,  // the same in the web build, which has no Qt
    OpenDialogTitle,
    SaveDialogTitle,

    // ---- menus: titles and items, in menu order
    MenuFile,
    MenuNew,
    MenuOpen,
    MenuExit,
    MenuSimulation,
    MenuBeginSimulation,
    MenuCancelSimulation,
    MenuClearScreen,
    MenuResults,
    MenuSelectGraph,
    MenuCopyGraph,
    MenuDataset,
    MenuFluxInVolumes,
    MenuFluxVersusPosition,
    MenuUnsteadyState,
    MenuWestBoundary,
    MenuEastBoundary,
    MenuSteadyState,
    MenuPrintScreen,
    MenuPreferences,
    MenuGraphColour,
    MenuIdioma,
    MenuLanguage,
    MenuTolerance,
    MenuInformation,
    MenuSoftwareHelp,
    MenuWindowsHelp,
    MenuHomePage,
    MenuSendEmail,
    MenuAbout,

    // ---- commands
    PleaseWait,
    HelpDocument,
    SyntaxDocument,
    WindowHelpDocument,
    HomePageDocument,  // in the help folder: what Home Page and Send Email show

    // ---- preference dialogs
    ToleranceGroup,
    CancelButton,
    ToleranceReadingError,
    ColourGroup,
    ColourBlack,
    ColourRed,
    ColourMagenta,
    ColourGreen,
    ColourYellow,
    LanguageGroup,

    // ---- numeric error messages
    MathErrorFirstPart,
    MathErrorLineBreak,
    MathErrorDomain,
    MathErrorSingularity,
    MathErrorOverflow,
    MathErrorUnderflow,
    MathErrorLossOfPrecision,
    MathErrorOther,

    // ---- keeping the results: Results > Save Results As, and Exit
    MenuSaveResultsAs,
    SaveResultsTitle,
    KeepResultsQuestion,
    ResultsAlreadyInFolder,
    ResultsCopyFailed,  // the first {} is the file, the second the folder
    ResultsCopied,      // {} is the folder
    SingleFolderOnly,   // the folder dialog's name field held several names

    // ---- the desktop's own windows: About box, text editor, help window
    AboutBoxTitle,
    EditorFileMenu,
    EditorSave,
    EditorClose,
    EditorSaveFailed,   // {} the file, then {} the reason
    EditorSaveChanges,  // {} is the file
    HelpBack,
    HelpForward,
    HelpWindowTitle,

    Count  // not a text: the number of texts
};

}  // namespace calorvia::texts
