#pragma once
// The bilingual text catalogue: every sentence, menu entry, caption, label and
// file name that Calorvia shows or writes, in Portuguese and in English, in
// one table. No other file of the program spells a user-facing sentence.
//
// The texts are the program's own words, kept to the letter, including their
// odd spellings ("Gauss-Sidel", "A error has occurred!"), their leading
// blanks (they align columns and boxes) and their inner double quotes. A text
// with a line break holds "\n". A text with "{}" takes a value through
// withValue().

#include <cstdint>
#include <string>
#include <string_view>

namespace calorvia::texts {

// The interface language, kept in the settings file "idioma".
enum class Language : std::int32_t { Portuguese = 1, English = 2 };

// The language a stored code stands for: 1 is Portuguese, anything else
// English (the program's texts are chosen by "Portuguese or not").
constexpr Language languageFromCode(std::int32_t code) {
    return code == 1 ? Language::Portuguese : Language::English;
}
constexpr std::int32_t languageCode(Language language) {
    return static_cast<std::int32_t>(language);
}

enum class Text : std::int32_t {
    // ---- everywhere
    AttentionTitle,
    ProgramName,
    GraphicsWindowTitle,
    SettingsWriteFailed,  // {} is the file name

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

    // ---- file names chosen by the language
    DataFileName,
    FluxFileName,
    FluxPositionFileName,
    UnsteadyFileName,
    AverageFileName,
    WestFileName,
    EastFileName,
    SteadyFileName,
    InitialEstimateFileName,

    // ---- loading the working case
    MissingCase,
    CorruptedFile,

    // ---- solvers
    SweepLimitWarning,
    ZeroPivotWarning,

    // ---- the run
    RangeLowQuestion,
    RangeHighQuestion,
    IterationNotice,
    NonConvergenceNotice,
    IncludeSteadyQuestion,
    StepsTimeLabel,
    WaitLabel,
    SteadyStateLabel,
    GaussSidelLabel,
    CdsLabel,
    UpwindLabel,
    ProfileGaussSidelTitle,
    ProfileTabLuTitle,
    BlueSteadyStateLegend,
    ElapsedTimeIn,
    ElapsedTimeSeconds,
    SchemeGroupCaption,
    PecletSuffix,

    // ---- initial estimate editing
    EstimateOffer,
    EstimateReadError,
    EstimateCancelled,
    EstimateNodeLabel,

    // ---- result files
    SteadyTitle,
    SteadyWarning,
    SteadyColumns,
    SteadyRadiusColumns,  // a cylinder or a sphere
    NodeHistoryHeading,
    TimeTemperatureColumns,
    AverageHistoryHeading,
    AverageColumns,
    WestHistoryHeading,
    EastHistoryHeading,
    InnerSurfaceHistoryHeading,  // a cylinder's or a sphere's west and east
    OuterSurfaceHistoryHeading,
    InspectionName,
    InspectionPurpose,
    InspectionLx,
    InspectionRadialLx,
    InspectionN,
    InspectionK,
    InspectionSc,
    InspectionSp,
    InspectionState,
    InspectionMethod,
    InspectionTi,
    InspectionRho,
    InspectionCp,
    InspectionDeltT,
    InspectionNst,
    InspectionNo,
    InspectionBoundaryType,
    InspectionWestTemperature,
    InspectionWestFlux,
    InspectionWestConvective,
    InspectionWestTinf,
    InspectionEastTemperature,
    InspectionEastFlux,
    InspectionEastConvective,
    InspectionEastTinf,
    InspectionInnerTemperature,  // the boundary lines of a cylinder or a sphere
    InspectionInnerFlux,
    InspectionInnerConvective,
    InspectionInnerTinf,
    InspectionOuterTemperature,
    InspectionOuterFlux,
    InspectionOuterConvective,
    InspectionOuterTinf,
    InspectionVelocity,
    InspectionCylinder,  // the inner radius of a cylinder
    InspectionSphere,
    FluxPositionTitle,
    FluxPositionColumns,
    FluxRadiusColumns,
    FluxVolumesTitle,
    FluxSignNote,
    FluxRadialSignNote,
    FluxVolumesColumns,
    FluxVolumesRadialColumns,
    InspectFilesQuestion,
    SteadyOnlyLine,

    // ---- case file commands
    CloseSimulationQuestion,
    CloseLoadedCaseQuestion,
    FileDoesNotExist,
    FileAlreadyExists,
    DataLossTitle,
    CaseNameIsProgramFile,  // {} is the file name

    // ---- graph pane and time graphs
    ScaleGroupCaption,
    ScaleReadingError,
    ScaleRangeError,
    TimeGraphGroup,
    TimeGraphNodeOption,
    TimeGraphAverageOption,
    TimeGraphExperimentalCheck,
    ExperimentalHelpLine1,
    ExperimentalHelpLine2,
    ExperimentalHelpLine3,
    UnsteadyNodeTitle,
    UnsteadyAverageTitle,
    StandardDeviation,

    // ---- the run: files that cannot be written, no experimental point
    FileWriteFailed,      // {} is the file name
    FilesIncomplete,      // {} lists the file names
    HistoriesExceedDisk,  // {} the size of the histories, {} the free space
    NoExperimentalPoints,

    // ---- case entry: wizard captions
    WizardStep1Title,
    WizardLxLabel,
    WizardNLabel,
    WizardNHint,
    WizardKLabel,
    WizardScLabel,
    WizardSpLabel,
    WizardTemperatureHint,
    WizardULabel,
    WizardUHint,
    WizardGeometryLabel,
    WizardPlaneOption,
    WizardCylinderOption,
    WizardSphereOption,
    WizardRiLabel,
    WizardRiHint,
    WizardStateLabel,
    WizardSteadyOption,
    WizardUnsteadyOption,
    WizardMethodLabel,
    WizardGaussSidelOption,
    WizardSyntaxButton,
    WizardStep2Title,
    WizardTiLabel,
    WizardRhoLabel,
    WizardCpLabel,
    WizardDeltTLabel,
    WizardNstLabel,
    WizardNoLabel,
    WizardPositionHint,
    WizardForwardStep2,
    WizardForwardStep3,
    WizardForwardStep4,
    WizardBackStep1,
    WizardBackStep2,
    WizardBackStep3,
    OkButton,
    BoundaryTemperatureGroup,
    BoundaryFluxGroup,
    BoundaryConvectionGroup,
    WestTLabel,
    WestPhiLabel,
    WestHLabel,
    WestTinfLabel,
    EastTLabel,
    EastPhiLabel,
    EastHLabel,
    EastTinfLabel,
    FluxSignHint,
    WestStep2Title,
    WestStep3Title,
    EastStep3Title,
    EastStep4Title,
    EastStep2Title,  // a solid body without transient data: its west is the centre

    // ---- case entry: questions and warnings
    WizardCloseSimulationQuestion,
    BlankNTitle,
    FluxFluxWarning,
    ConvectiveProblemTitle,
    ConvectiveProblemWarning,
    CaseWriteFailed,      // {} is the file
    SavedCaseUnreadable,  // {} is the file
    SavedFormulaTooLong,  // {} the entry, {} its field's width, {} the file

    // ---- case entry: step 1 and step 2 validation
    LxBlank,
    LxUnreadable,
    LxNotPositive,
    NBlank,
    NUnreadable,
    NOutOfRange,
    KBlank,
    KUnreadable,
    KNotPositive,
    KSyntaxError,
    ScBlank,
    ScUnreadable,
    ScSyntaxError,
    SpBlank,
    SpUnreadable,
    SpSyntaxError,
    UBlank,
    UUnreadable,
    UNegative,
    RiBlank,
    RiUnreadable,
    RiNegative,
    RiTooLarge,  // {} is the largest outer radius
    RadialVelocity,
    StateMissing,
    TiBlank,
    TiUnreadable,
    TiSyntaxError,
    RhoBlank,
    RhoUnreadable,
    RhoNotPositive,
    RhoSyntaxError,
    CpBlank,
    CpUnreadable,
    CpNotPositive,
    CpSyntaxError,
    DeltTBlank,
    DeltTUnreadable,
    DeltTNotPositive,
    NstBlank,
    NstUnreadable,
    NstTooFew,
    NoBlank,
    NoUnreadable,
    NoOutOfRange,

    // ---- case entry: boundary validation
    WestBlank,
    WestTUnreadable,
    WestPhiUnreadable,
    WestConvectionIncomplete,
    WestHUnreadable,
    WestTinfUnreadable,
    EastBlank,
    EastTUnreadable,
    EastPhiUnreadable,
    EastConvectionIncomplete,
    EastHUnreadable,
    EastTinfUnreadable,
    ConvectiveCoefficientNotPositive,

    // ---- case entry: summary panel ({} is the entry's text)
    SummaryLx,
    SummaryN,
    SummaryK,
    SummarySc,
    SummarySp,
    SummarySteady,
    SummaryUnsteady,
    SummaryGaussSidelVelocity,
    SummaryTabLuVelocity,
    SummaryTi,
    SummaryRho,
    SummaryCp,
    SummaryDeltT,
    SummaryNst,
    SummaryNo,
    SummaryPlaceholder,
    WestTemperatureLine,
    WestFluxLine,
    WestConvectionLine,
    EastTemperatureLine,
    EastFluxLine,
    EastConvectionLine,
    ConvectionTinfPart,
    SummaryCylinder,  // {} is the inner radius
    SummarySphere,
    WestCentreLine,
    CentreWestConditionUnused,  // an opened solid body whose file has a west condition
    UnknownBodyLine,            // {} the line's number, {} its text: run as a plane wall

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

    // ---- checking a result: the exact solution and the energy balance
    MenuCompareExact,
    MenuEnergyBalance,
    ExactFileName,
    BalanceFileName,
    ExactTitle,
    ExactColumns,
    ExactRadiusColumns,
    ExactLargest,  // {} is the largest difference
    ExactRms,      // {} is the root mean square of the differences
    ExactNeedsConstants,
    ExactNeedsAPhysicalCase,
    ExactRadialNeedsNoFlow,
    ExactNoSteadyState,
    ExactNotUnique,
    ExactTooLarge,
    ExactNeedsSteadyProfile,
    BalanceHeading,      // {} the unit of the heat rates, then BalanceVerdict or BalanceNotBalanced
    BalanceVerdict,      // {} the relative residual, {} BalanceLinearLimit or BalanceIteratedLimit
    BalanceNotBalanced,  // the same, for a residual beyond its limit
    BalanceLinearLimit,
    BalanceIteratedLimit,
    BalanceWestConduction,
    BalanceWestConvection,
    BalanceEastConduction,
    BalanceEastConvection,
    BalanceInnerConduction,  // the same four for the surfaces of a cylinder or a sphere
    BalanceInnerConvection,
    BalanceOuterConduction,
    BalanceOuterConvection,
    BalanceGenerated,
    BalanceStored,
    BalanceResidual,
    BalanceRelativeResidual,

    // ---- dialog templates: window titles and captions alike in both languages
    GeneralStepWindowTitle,
    TransientStepWindowTitle,
    WestBoundaryWindowTitle,
    EastBoundaryWindowTitle,
    ToleranceWindowTitle,
    ScaleWindowTitle,
    TimeGraphWindowTitle,
    PortugueseOption,
    EnglishOption,
    ToleranceLabel,
    CdsOption,
    UpwindOption,
    TminLabel,
    TmaxLabel,
    BlankHelpLine,

    Count  // not a text: the number of texts
};

// The text in `language`.
std::string_view textFor(Text text, Language language);
// The same for a stored language code (1 Portuguese, anything else English).
std::string_view textFor(Text text, std::int32_t languageCode);

// The text with its first "{}" replaced by `value`; a text without "{}" is
// returned unchanged.
std::string withValue(std::string_view text, std::string_view value);

}  // namespace calorvia::texts
