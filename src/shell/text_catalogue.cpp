#include "shell/text_catalogue.h"

#include <array>
#include <iterator>
#include <cstddef>

namespace calorvia::shell {
namespace {

struct Bilingual {
    Text key;
    std::string_view portuguese;
    std::string_view english;
};

using T = Text;

// One row per text, in the order of the enumeration (checked below).
constexpr Bilingual kTexts[]{
    // ---- everywhere
    Bilingual{T::AttentionTitle, "Atenção", "Attention"},
    Bilingual{T::ProgramName, "Calorvia", "Calorvia"},
    Bilingual{T::GraphicsWindowTitle, "1-Dimensional", "1-Dimensional"},
    Bilingual{T::SettingsWriteFailed,
              "Não foi possível gravar o arquivo \"{}\"! A escolha vale apenas até o programa ser "
              "fechado.",
              "The file \"{}\" could not be written! The choice holds only until the program is "
              "closed."},

    // ---- start-up and the About box
    Bilingual{T::ResolutionRefused, "Este software não funciona adequadamente nesta resolução!",
              "This software does not work appropriately in this resolution!"},
    Bilingual{T::CurrentDirectoryFailed, "Falha obtendo o diretório!",
              "Failed to get current directory !"},
    Bilingual{T::AboutPurpose,
              "Este software é destinado ao estudo de condução unidimensional de calor.",
              "This software is destined to the one-dimensional heat transfer study."},
    Bilingual{T::AboutCredits,
              "Método dos volumes finitos segundo S. V. Patankar,\n"
              "Numerical Heat Transfer and Fluid Flow (1980).\n"
              "Escrito em C++20; a janela usa Qt 6.",
              "Finite volume method after S. V. Patankar,\n"
              "Numerical Heat Transfer and Fluid Flow (1980).\n"
              "Written in C++20; the window uses Qt 6."},
    Bilingual{T::OpenDialogTitle, "Abrir Arquivo de Dados", "Open Data File"},
    Bilingual{T::SaveDialogTitle, "Salvar Arquivo de Dados", "Save Data File"},

    // ---- menus
    Bilingual{T::MenuFile, "&Arquivo", "&File"},
    Bilingual{T::MenuNew, "&Novo", "&New"},
    Bilingual{T::MenuOpen, "Ab&rir", "&Open"},
    Bilingual{T::MenuExit, "&Sair", "&Exit"},
    Bilingual{T::MenuSimulation, "&Simulação", "&Simulation"},
    Bilingual{T::MenuBeginSimulation, "&Iniciar Simulação", "&Begin Simulation"},
    Bilingual{T::MenuCancelSimulation, "&Cancelar Simulação", "&Cancel Simulation"},
    Bilingual{T::MenuClearScreen, "&Limpar a Tela", "&Clear Screen"},
    Bilingual{T::MenuResults, "&Resultados", "&Results"},
    Bilingual{T::MenuSelectGraph, "&Selecionar Gráfico", "&Select Graph"},
    Bilingual{T::MenuCopyGraph, "&Copiar Gráfico", "&Copy Graph"},
    Bilingual{T::MenuDataset, "Conjunto de &Dados", "&Dataset"},
    Bilingual{T::MenuFluxInVolumes, "&Fluxos nos Volumes de Controle",
              "&Flux in the Control Volumes"},
    Bilingual{T::MenuFluxVersusPosition, "Fluxo versus &Posição", "Flux versus &Position"},
    Bilingual{T::MenuUnsteadyState, "Regime &Transiente", "&Unsteady State"},
    Bilingual{T::MenuWestBoundary, "Contorno &Oeste", "&West Boundary"},
    Bilingual{T::MenuEastBoundary, "Contorno &Leste", "&East Boundary"},
    Bilingual{T::MenuSteadyState, "Regime P&ermanente", "S&teady State"},
    Bilingual{T::MenuPrintScreen, "&Imprimir Tela", "Pr&int Screen"},
    Bilingual{T::MenuPreferences, "&Preferências", "&Preferences"},
    Bilingual{T::MenuGraphColour, "&Cor dos Gráficos", "&Color of the Graphs"},
    Bilingual{T::MenuIdioma, "&Idioma", "&Idioma"},
    Bilingual{T::MenuLanguage, "&Language", "&Language"},
    Bilingual{T::MenuTolerance, "&Tolerância para Gauss-Sidel", "&Tolerance for Gauss-Sidel"},
    Bilingual{T::MenuInformation, "&Informações", "&Information"},
    Bilingual{T::MenuSoftwareHelp, "&Ajuda do Software", "&Software Help"},
    Bilingual{T::MenuWindowsHelp, "Ajuda do &Windows", "&Windows Help"},
    Bilingual{T::MenuHomePage, "&Home Page", "&Home Page"},
    Bilingual{T::MenuSendEmail, "&Enviar Email", "Send &Email"},
    Bilingual{T::MenuAbout, "&Sobre", "&About"},

    // ---- commands
    Bilingual{T::PleaseWait, "Espere por favor...", "Please wait..."},
    Bilingual{T::HelpDocument, "Ajuda.hlp", "Help.hlp"},
    Bilingual{T::SyntaxDocument, "Sintaxe.hlp", "Syntax.hlp"},

    // ---- preference dialogs
    Bilingual{T::ToleranceGroup, "Tolerância para Gauss-Sidel", "Tolerance for Gauss-Sidel"},
    Bilingual{T::CancelButton, "&Cancelar", "&Cancel"},
    Bilingual{T::ToleranceReadingError, "Erro lendo o valor da tolerância!",
              "Error reading the value of the tolerance!"},
    Bilingual{T::ColourGroup, "Gráfico: escolha a cor", "Graph: choose the color"},
    Bilingual{T::ColourBlack, "Preta", "Black"},
    Bilingual{T::ColourRed, "Vermelha", "Red"},
    Bilingual{T::ColourMagenta, "Magenta", "Magenta"},
    Bilingual{T::ColourGreen, "Verde", "Green"},
    Bilingual{T::ColourYellow, "Amarela", "Yellow"},
    Bilingual{T::LanguageGroup, "Escolha o idioma", "Choose the language"},

    // ---- numeric error messages
    Bilingual{T::MathErrorFirstPart, "Ocorreu um erro!  Função - ",
              "A error has occurred!  Function - "},
    Bilingual{T::MathErrorLineBreak, "\n", "\n       "},
    Bilingual{T::MathErrorDomain, "Erro:  Domínio do argumento", "Error:  Argument domain"},
    Bilingual{T::MathErrorSingularity, "Erro:  Singularidade do argumento",
              "Error:  Argument singularity"},
    Bilingual{T::MathErrorOverflow, "Erro:  Valor acima do intervalo", "Error:  Overflow range"},
    Bilingual{T::MathErrorUnderflow, "Erro:  Valor abaixo do intervalo", "Error:  Underflow range"},
    Bilingual{T::MathErrorLossOfPrecision, "Erro:  Perda de precisão", "Error:  Loss of precision"},
    Bilingual{T::MathErrorOther, "Ocorreu um erro!", "A error has occurred!"},

    // ---- file names chosen by the language
    Bilingual{T::DataFileName, "Dados.txt", "Data.txt"},
    Bilingual{T::FluxFileName, "Fluxo.txt", "Flux.txt"},
    Bilingual{T::FluxPositionFileName, "Fluxo_x_Posição.txt", "Flux_x_Position.txt"},
    Bilingual{T::UnsteadyFileName, "Transiente.txt", "Unsteady.txt"},
    Bilingual{T::AverageFileName, "Média.txt", "Average.txt"},
    Bilingual{T::WestFileName, "Oeste.txt", "West.txt"},
    Bilingual{T::EastFileName, "Leste.txt", "East.txt"},
    Bilingual{T::SteadyFileName, "Permanente.txt", "Steady.txt"},
    Bilingual{T::InitialEstimateFileName, "Inicial.txt", "Initial.txt"},

    // ---- loading the working case
    Bilingual{T::MissingCase,
              "Primeiro, no menu \"Arquivo\", você tem que informar os dados referentes à "
              "simulação!",
              "First, in the \"File\" menu, you must inform the data for the simulation!"},
    Bilingual{T::CorruptedFile, "Houve um problema na leitura! O arquivo de dados está corrompido.",
              "There is a problem in the reading! The data file is corrupted."},

    // ---- solvers
    Bilingual{T::SweepLimitWarning,
              "Advertência: já foram realizadas 1500000 de iterações sem convergência! "
              "Gauss-Sidel será encerrado.",
              "Warning: 1500000 of iterations were already accomplished without convergence! "
              "Gauss-Sidel will be concluded."},
    Bilingual{T::ZeroPivotWarning,
              "Advertência: um valor igual a zero foi substituído por 1.0E-10 em uma divisão!",
              "Warning: a zero value was substituted by 1.0E-10 in a division!"},

    // ---- the run
    Bilingual{T::RangeLowQuestion, "Existem temperaturas bem menores que 0! Cancelar simulação?",
              "There is temperature smaller than 0! Cancel simulation?"},
    Bilingual{T::RangeHighQuestion, "Existem temperaturas maiores que 10000! Cancelar simulação?",
              "There is temperature greater than 10000! Cancel simulation?"},
    Bilingual{T::IterationNotice,
              "O termo de fonte Sp é positivo ou existe parâmetro dependente da temperatura. \n"
              "Então a busca pelo regime permanente será iterativa e pode demorar!",
              "The Sp source term is positive or there is parameter dependent of the "
              "temperature. \n"
              "Then the steady state search will be by iteration and it can delay!"},
    Bilingual{T::NonConvergenceNotice,
              "A simulação foi refeita 1000 vezes e pode não ter havido convergência para o "
              "regime permanente! Simule o regime transiente.",
              "The simulation was performed 1000 times and maybe have not had convergence for "
              "the steady state! Simulate the unsteady state."},
    Bilingual{T::IncludeSteadyQuestion,
              "       Você quer incluir informações sobre o regime permanente? \n"
              "\n"
              "Se você responder \"Não\" as informações do último passo no tempo \n"
              "serão colocadas no lugar das informações do regime permanente.",
              "       Do you want to include information on the steady state? \n"
              "\n"
              "If you answer \"No\" the information of the last step in the time will \n"
              "be placed in the place of the information of the steady state."},
    Bilingual{T::StepsTimeLabel, "    Passos", "Steps - time"},
    Bilingual{T::WaitLabel, "    Espere", "      Wait"},
    Bilingual{T::SteadyStateLabel, "Reg. permanente", "   Steady State"},
    Bilingual{T::GaussSidelLabel, "  Gauss-Sidel", "  Gauss-Sidel"},
    Bilingual{T::CdsLabel, "  CDS", "  CDS"},
    Bilingual{T::UpwindLabel, " Upwind", " Upwind"},
    Bilingual{T::ProfileGaussSidelTitle, "Perfil (Gauss-Sidel)", "Profile (Gauss-Sidel)"},
    Bilingual{T::ProfileTabLuTitle, "Perfil (Tab. LU)", "Profile (Tab. LU)"},
    Bilingual{T::BlueSteadyStateLegend, "Azul: r. permanente", "Blue: steady state"},
    Bilingual{T::ElapsedTimeIn, "Em", "In"},
    Bilingual{T::ElapsedTimeSeconds, "  s", "  s"},
    Bilingual{T::SchemeGroupCaption, "Problema Difusivo-Convectivo",
              "Diffusion-Convection Problem"},
    Bilingual{T::PecletSuffix, "  <= Peclet", "  <= Peclet"},

    // ---- initial estimate editing
    Bilingual{T::EstimateOffer,
              "Este software já estimou valores iniciais para a temperatura, requeridos pelo "
              "Gauss-Sidel. Quer modificar os valores?",
              "This software already esteemed initial values for the temperature, requested by "
              "Gauss-Sidel. Do you want to modify the values?"},
    Bilingual{T::EstimateReadError,
              "Existe um erro na leitura do arquivo modificado. Quer corrigir?",
              "There was a error in the reading of the modified file. Do you want to correct?"},
    Bilingual{T::EstimateCancelled, "A modificação de valores foi cancelada!",
              "The modification of values was canceled!"},
    Bilingual{T::EstimateNodeLabel, " <= Nó", " <= Node"},

    // ---- result files
    Bilingual{T::SteadyTitle, "Regime permanente unidimensional", "One-dimensional steady state"},
    Bilingual{T::SteadyWarning,
              "Atenção: assegure-se que o regime permanente unidimensional foi atingido!",
              "Attention: make sure that the one-dimensional steady state was reached!"},
    Bilingual{T::SteadyColumns, " Posição x       Temperatura", "Position x       Temperature"},
    Bilingual{T::NodeHistoryHeading, "Transiente unidimensional do nó ",
              "One-dimensional unsteady state node "},
    Bilingual{T::TimeTemperatureColumns, "  Tempo         Temperatura",
              "   Time         Temperature"},
    Bilingual{T::AverageHistoryHeading, "Temperatura média no domínio",
              "Average temperature in the domain"},
    Bilingual{T::AverageColumns, "  Tempo        Temperatura média",
              "   Time        Average temperature"},
    Bilingual{T::WestHistoryHeading, "Transiente unidimensional do contorno oeste (x = 0.0)",
              "One-dimensional unsteady of the west boundary (x = 0.0)"},
    Bilingual{T::EastHistoryHeading, "Transiente unidimensional do contorno leste (x = L)",
              "One-dimensional unsteady of the east boundary (x = L)"},
    Bilingual{T::InspectionName, " Nome: ", " Name: "},
    Bilingual{T::InspectionPurpose, "Este arquivo é apenas para propósitos de inspeção dos dados!",
              "This file is just for inspection purpose!"},
    Bilingual{T::InspectionLx, " <= Distância Lx (oeste-leste)", " <= Distance Lx (west-east)"},
    Bilingual{T::InspectionN, " <= Número de volumes de controle", " <= Number of control volumes"},
    Bilingual{T::InspectionK, " <= Condutividade", " <= Condutivity"},
    Bilingual{T::InspectionSc, " <= Termo fonte Sc (S = Sp*T+Sc)",
              " <= Sc Source term (S = Sp*T+Sc)"},
    Bilingual{T::InspectionSp, " <= Termo fonte Sp (S = Sp*T+Sc)",
              " <= Sp Source term (S = Sp*T+Sc)"},
    Bilingual{T::InspectionState, " <= Regime da simulação: 1 é permanente, 2 é transiente",
              " <= State of simulation: 1 is steady, 2 is unsteady"},
    Bilingual{T::InspectionMethod, " <= Método: 1 é Gauss-Sidel, 2 é Tab. LU",
              " <= Method: 1 is Gauss-Sidel, 2 is Tab. LU"},
    Bilingual{T::InspectionTi, " <= Temperatura inicial", " <= Initial temperature"},
    Bilingual{T::InspectionRho, " <= Densidade", " <= Density"},
    Bilingual{T::InspectionCp, " <= Calor específico", " <= Specific heat"},
    Bilingual{T::InspectionDeltT, " <= Intervalo de tempo", " <= Interval of time"},
    Bilingual{T::InspectionNst, " <= Número de passos no tempo", " <= Number of steps in the time"},
    Bilingual{T::InspectionNo, " <= Nó para acompanhar o transiente",
              " <= Unsteady state for the node"},
    Bilingual{T::InspectionBoundaryType,
              " <= Tipo de cond. de contorno: 1 é temp., 2 é fluxo, 3 é convecção",
              " <= Type of boundary cond.: 1 is temp., 2 is flux, 3 is convection"},
    Bilingual{T::InspectionWestTemperature,
              " <= Condição de contorno oeste: temperatura em x = 0.0",
              " <= West boundary condition: temperature in x = 0.0"},
    Bilingual{T::InspectionWestFlux, " <= Condição de contorno oeste: fluxo em x = 0.0",
              " <= West boundary condition: flux in x = 0.0"},
    Bilingual{T::InspectionWestConvective,
              " <= Cond. de contorno oeste: Coef. convectivo em x = 0.0",
              " <= West boundary cond.: Convective coefficient in x = 0.0"},
    Bilingual{T::InspectionWestTinf, " <= Condição de contorno oeste: T inf. em x = 0.0",
              " <= West boundary condition: T inf. in x = 0.0"},
    Bilingual{T::InspectionEastTemperature, " <= Condição de contorno leste: temperatura em x = L",
              " <= East boundary condition: temperature in x = L"},
    Bilingual{T::InspectionEastFlux, " <= Condição de contorno leste: fluxo em x = L",
              " <= East boundary condition: flux in x = L"},
    Bilingual{T::InspectionEastConvective, " <= Cond. de contorno leste: Coef. convectivo em x = L",
              " <= East boundary cond.: Convective coefficient in x = L"},
    Bilingual{T::InspectionEastTinf, " <= Condição de contorno leste: T inf. em x = L",
              " <= East boundary condition: T inf. in x = L"},
    Bilingual{T::InspectionVelocity, " <= Velocidade do meio", " <= Velocity of the domain"},
    Bilingual{T::FluxPositionTitle, "Regime permanente unidimensional: Fluxo versus posição",
              "One-dimensional steady state: Flux versus Position"},
    Bilingual{T::FluxPositionColumns, " Posição x          Fluxo", "Position x          Flux"},
    Bilingual{T::FluxVolumesTitle,
              "Regime permanente unidimensional: Fluxos nos volumes de controle",
              "One-dimensional steady state: Flux in the control volumes"},
    Bilingual{T::FluxSignNote, "     (Positivo: p/ leste - Negativo: p/ oeste)",
              "    (Positive: to east - Negative: to west)"},
    Bilingual{T::FluxVolumesColumns, " Fluxo oeste       Fluxo leste     Volume",
              " West flux         East flux       Volume"},
    Bilingual{T::InspectFilesQuestion,
              "A simulação foi concluída. Quer inspecionar os arquivos gerados agora?",
              "The simulation was ended. Do you want to inspect the files generated now?"},
    Bilingual{T::SteadyOnlyLine, "O regime simulado é permanente!",
              "The simulation is for steady state!"},

    // ---- case file commands
    Bilingual{T::CloseSimulationQuestion,
              "A simulação atual será encerrada. Prosseguir com a operação?",
              "The current simulation will be ended. To continue the operation?"},
    Bilingual{T::CloseLoadedCaseQuestion,
              "Os dados carregados serão fechados. Prosseguir com a operação?",
              "The loaded data will be closed. To continue the operation?"},
    Bilingual{T::FileDoesNotExist, "O arquivo não existe!", "The file does not exist!"},
    Bilingual{T::FileAlreadyExists,
              "                     O arquivo já existe! \n"
              " \n"
              " Você deseja manter este arquivo já existente?",
              "                   The file already exists! \n"
              " \n"
              "   Do you want to maintain the existent file?"},
    Bilingual{T::DataLossTitle, "Atenção: Risco de perda de dados",
              "Attention: Risco de perda de dados"},

    // ---- graph pane and time graphs
    Bilingual{T::ScaleGroupCaption, "Valores para definição da escala",
              "Values for definition of the scale"},
    Bilingual{T::ScaleReadingError, "Houve um erro na leitura! Por favor informe novamente.",
              "There is a error in the reading! Please inform again."},
    Bilingual{T::ScaleRangeError,
              "ymax tem que ser maior ou igual a ymin! Por favor informe novamente.",
              "ymax must to be larger or equal to the ymin! Please inform again."},
    Bilingual{T::TimeGraphGroup, "Sobre o gráfico:  Temperatura versus Tempo",
              "About the graph:  Temperature versus Time"},
    Bilingual{T::TimeGraphNodeOption,
              "Desenhar gráfico  \" T x t \" para o transiente do nó escolhido",
              "Draw graph  \" T x t \"  for the unsteady state of the chosen node"},
    Bilingual{T::TimeGraphAverageOption,
              "Desenhar gráfico  \" T x t \" para a temperatura média do domínio",
              "Draw graph  \" T x t \"  for the average temperature of the domain"},
    Bilingual{T::TimeGraphExperimentalCheck, "Incluir dados experimentais no gráfico",
              "Include experimental data on the graph"},
    Bilingual{T::ExperimentalHelpLine1, "   Atenção:", "  Attention:"},
    Bilingual{T::ExperimentalHelpLine2,
              "    Você tem que colocar os dados experimentais (tempo, temperatura), em colunas,",
              "   You must put experimental data (time, temperature), in columns, referring to"},
    Bilingual{T::ExperimentalHelpLine3,
              "     em um arquivo chamado  \" Exp.txt \"  dentro do diretório deste software.",
              "   the graph in a file called  \" Exp.txt \"  inside of the directory of this "
              "software."},
    Bilingual{T::UnsteadyNodeTitle, "Transiente do nó ", "Unsteady node "},
    Bilingual{T::UnsteadyAverageTitle, "Transiente da temperatura média",
              "Unsteady average temperature"},
    Bilingual{T::StandardDeviation, "\"Desvio Padrão\" = ", "\"Standard Deviation\" = "},
};

constexpr bool tableFollowsEnumeration() {
    if (std::size(kTexts) != static_cast<std::size_t>(Text::Count)) return false;
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (static_cast<std::size_t>(kTexts[i].key) != i) return false;
    }
    return true;
}
static_assert(tableFollowsEnumeration(),
              "every text needs exactly one row, in the order of the enumeration");

}  // namespace

std::string_view textFor(Text text, Language language) {
    const auto index = static_cast<std::size_t>(text);
    if (index >= std::size(kTexts)) return {};
    return language == Language::Portuguese ? kTexts[index].portuguese : kTexts[index].english;
}

std::string_view textFor(Text text, std::int32_t languageCode) {
    return textFor(text, languageFromCode(languageCode));
}

std::string withValue(std::string_view text, std::string_view value) {
    std::string result(text);
    const auto marker = result.find("{}");
    if (marker != std::string::npos) result.replace(marker, 2, value);
    return result;
}

}  // namespace calorvia::shell
