#pragma once
// the run's texts: loading, solving, the result files and their names, checking a result.
// The rows, in both languages and in this order, are in text_catalogue.cpp.

#include "texts/text_catalogue.h"

namespace calorvia::texts {

enum class RunText : std::uint16_t {
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
    RadiatingFaceNotPositive,
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
    InspectionBoundaryTypeRadiation,  // the same, naming type 4 too
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
    InspectionWestEps,
    InspectionWestTsur,
    InspectionEastEps,
    InspectionEastTsur,
    InspectionInnerEps,
    InspectionInnerTsur,
    InspectionOuterEps,
    InspectionOuterTsur,
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

    // ---- the run: files that cannot be written, no experimental point
    FileWriteFailed,      // {} is the file name
    FilesIncomplete,      // {} lists the file names
    HistoriesExceedDisk,  // {} the size of the histories, {} the free space
    NoExperimentalPoints,

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
    ExactNeedsLinearEnds,
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

    Count  // not a text: the number of texts
};

}  // namespace calorvia::texts
