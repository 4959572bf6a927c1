#include "texts/text_catalogue.h"

#include <array>
#include <iterator>
#include <cstddef>

namespace calorvia::texts {
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
    Bilingual{T::ProgramFolderInUse,
              "Outro Calorvia está usando a pasta \"{}\"; os resultados dos dois se "
              "misturariam. Feche o outro programa ou abra este em outra pasta.",
              "Another Calorvia is using the folder \"{}\"; the results of the two would be "
              "mixed. Close the other program, or start this one in another folder."},
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
    Bilingual{T::AboutCreditsWeb,
              "Método dos volumes finitos segundo S. V. Patankar,\n"
              "Numerical Heat Transfer and Fluid Flow (1980).\n"
              "Escrito em C++20; esta página o executa em WebAssembly.",
              "Finite volume method after S. V. Patankar,\n"
              "Numerical Heat Transfer and Fluid Flow (1980).\n"
              "Written in C++20; this page runs it as WebAssembly."},
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
    Bilingual{T::WindowHelpDocument, "Janela.hlp", "Window.hlp"},
    Bilingual{T::HomePageDocument, "Inicio.html", "Home.html"},

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
    Bilingual{T::SteadyRadiusColumns, " Raio r          Temperatura",
              "Radius r         Temperature"},
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
    Bilingual{T::InnerSurfaceHistoryHeading,
              "Transiente unidimensional da superfície interna (r = ri)",
              "One-dimensional unsteady of the inner surface (r = ri)"},
    Bilingual{T::OuterSurfaceHistoryHeading,
              "Transiente unidimensional da superfície externa (r = ro)",
              "One-dimensional unsteady of the outer surface (r = ro)"},
    Bilingual{T::InspectionName, " Nome: ", " Name: "},
    Bilingual{T::InspectionPurpose, "Este arquivo é apenas para propósitos de inspeção dos dados!",
              "This file is just for inspection purpose!"},
    Bilingual{T::InspectionLx, " <= Distância Lx (oeste-leste)", " <= Distance Lx (west-east)"},
    Bilingual{T::InspectionRadialLx, " <= Distância Lx (de ri a ro)", " <= Distance Lx (ri to ro)"},
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
    Bilingual{T::InspectionInnerTemperature,
              " <= Condição na superfície interna: temperatura em r = ri",
              " <= Inner surface condition: temperature in r = ri"},
    Bilingual{T::InspectionInnerFlux, " <= Condição na superfície interna: fluxo em r = ri",
              " <= Inner surface condition: flux in r = ri"},
    Bilingual{T::InspectionInnerConvective,
              " <= Cond. na superfície interna: Coef. convectivo em r = ri",
              " <= Inner surface cond.: Convective coefficient in r = ri"},
    Bilingual{T::InspectionInnerTinf, " <= Condição na superfície interna: T inf. em r = ri",
              " <= Inner surface condition: T inf. in r = ri"},
    Bilingual{T::InspectionOuterTemperature,
              " <= Condição na superfície externa: temperatura em r = ro",
              " <= Outer surface condition: temperature in r = ro"},
    Bilingual{T::InspectionOuterFlux, " <= Condição na superfície externa: fluxo em r = ro",
              " <= Outer surface condition: flux in r = ro"},
    Bilingual{T::InspectionOuterConvective,
              " <= Cond. na superfície externa: Coef. convectivo em r = ro",
              " <= Outer surface cond.: Convective coefficient in r = ro"},
    Bilingual{T::InspectionOuterTinf, " <= Condição na superfície externa: T inf. em r = ro",
              " <= Outer surface condition: T inf. in r = ro"},
    Bilingual{T::InspectionVelocity, " <= Velocidade do meio", " <= Velocity of the domain"},
    Bilingual{T::InspectionCylinder, " <= Cilindro: raio interno ri",
              " <= Cylinder: inner radius ri"},
    Bilingual{T::InspectionSphere, " <= Esfera: raio interno ri", " <= Sphere: inner radius ri"},
    Bilingual{T::FluxPositionTitle, "Regime permanente unidimensional: Fluxo versus posição",
              "One-dimensional steady state: Flux versus Position"},
    Bilingual{T::FluxPositionColumns, " Posição x          Fluxo", "Position x          Flux"},
    Bilingual{T::FluxRadiusColumns, " Raio r             Fluxo", "Radius r            Flux"},
    Bilingual{T::FluxVolumesTitle,
              "Regime permanente unidimensional: Fluxos nos volumes de controle",
              "One-dimensional steady state: Flux in the control volumes"},
    Bilingual{T::FluxSignNote, "     (Positivo: p/ leste - Negativo: p/ oeste)",
              "    (Positive: to east - Negative: to west)"},
    Bilingual{T::FluxRadialSignNote, "     (Positivo: p/ fora - Negativo: p/ dentro)",
              "    (Positive: outward - Negative: inward)"},
    Bilingual{T::FluxVolumesColumns, " Fluxo oeste       Fluxo leste     Volume",
              " West flux         East flux       Volume"},
    Bilingual{T::FluxVolumesRadialColumns, " Fluxo interno     Fluxo externo   Volume",
              " Inner flux        Outer flux      Volume"},
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
    Bilingual{T::CaseNameIsProgramFile,
              "\"{}\" é o nome de um dos arquivos que o programa mantém na sua pasta, e que ele "
              "apaga ou reescreve. Dê outro nome ao caso, ou salve-o em outra pasta.",
              "\"{}\" is the name of one of the files the program keeps in its folder, which it "
              "deletes or rewrites. Give the case another name, or save it in another folder."},

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

    // ---- the run: files that cannot be written, no experimental point
    Bilingual{T::FileWriteFailed,
              "Não foi possível gravar o arquivo \"{}\"! Verifique se a pasta do programa permite "
              "gravação e se há espaço no disco.",
              "The file \"{}\" could not be written! Check that the program's folder may be "
              "written to and that the disk is not full."},
    Bilingual{T::FilesIncomplete,
              "Estes arquivos de resultados estão incompletos ou não foram gravados: {}. Não "
              "use o que eles contêm.",
              "These result files are incomplete or were not written: {}. Do not use what they "
              "hold."},
    Bilingual{T::HistoriesExceedDisk,
              "Os arquivos de histórico desta simulação ocuparão cerca de {}, e o disco da "
              "pasta do programa tem {} livres. Simular assim mesmo?",
              "The history files of this run will take about {}, and the disk of the program's "
              "folder has {} free. Run it anyway?"},
    Bilingual{T::NoExperimentalPoints, "nenhum ponto experimental foi encontrado em \"Exp.txt\"",
              "no experimental point was found in \"Exp.txt\""},
    // ---- case entry: wizard captions
    Bilingual{T::WizardStep1Title, "Passo 1 - Estabelecimentos: regimes permanente e transiente",
              "Step 1 - Settings: steady and unsteady states"},
    Bilingual{T::WizardLxLabel, "Distância entre os contornos:      Lx =",
              "Boundaries distance:                   Lx ="},
    Bilingual{T::WizardNLabel,
              "Número de volumes de controle:  N =", "Number of control volumes:          N ="},
    Bilingual{T::WizardNHint, "De 3 até 1000", "From 3 up to 1000"},
    Bilingual{T::WizardKLabel, "Condutividade térmica do meio:    K =",
              "Thermal conductivity:                   K ="},
    Bilingual{T::WizardScLabel,
              "Termo fonte   S = Sp T + Sc:      Sc =", "Source term   S = Sp T + Sc:      Sc ="},
    Bilingual{T::WizardSpLabel,
              "Termo fonte   S = Sp T + Sc:      Sp =", "Source term   S = Sp T + Sc:      Sp ="},
    Bilingual{T::WizardTemperatureHint, "<=  Const. ou f(T)", "<=  Const. or f(T)"},
    Bilingual{T::WizardULabel,
              "Convecção-Difusão: velocidade   u =", "Convection-Diffusion: velocity       u ="},
    Bilingual{T::WizardUHint, "<=  Maior ou igual a zero", "<=  Equal or greater than zero"},
    Bilingual{T::WizardGeometryLabel, "Geometria:", "  Geometry:"},
    Bilingual{T::WizardPlaneOption, "Parede pla&na", "Pla&ne wall"},
    Bilingual{T::WizardCylinderOption, "Ci&lindro", "C&ylinder"},
    Bilingual{T::WizardSphereOption, "Es&fera", "Sp&here"},
    Bilingual{T::WizardRiLabel, "Raio interno:                            ri =",
              "Inner radius:                             ri ="},
    Bilingual{T::WizardRiHint, "<=  Cilindro ou esfera; 0: maciço",
              "<=  Cylinder or sphere; 0: solid"},
    Bilingual{T::WizardStateLabel, "       Regime:", "       State:"},
    Bilingual{T::WizardSteadyOption, "&Permanente", "&Steady"},
    Bilingual{T::WizardUnsteadyOption, "&Transiente", "&Unsteady"},
    Bilingual{T::WizardMethodLabel, "Método:", "Method:"},
    Bilingual{T::WizardGaussSidelOption, "&Use Gauss-Sidel (default: tab. LU) ",
              "&Use Gauss-Sidel (default: tab. LU) "},
    Bilingual{T::WizardSyntaxButton, "&Sintaxe", "&Syntax"},
    Bilingual{T::WizardStep2Title,
              "Passo 2 - Estabelecimentos: regime transiente (ou problema convectivo)",
              "Step 2 - Settings: unsteady state (or convective problem)"},
    Bilingual{T::WizardTiLabel, "Temperatura inicial:                      Ti =",
              "Initial temperature:                         Ti ="},
    Bilingual{T::WizardRhoLabel, "Densidade do meio:                    Ro =",
              "Density:                                     Rho ="},
    Bilingual{T::WizardCpLabel, "Calor Específico:                         Cp =",
              "Specific heat:                              Cp ="},
    Bilingual{T::WizardDeltTLabel, "Intervalo de tempo:               Delta_t =",
              "Interval of time:                       Delt_t ="},
    Bilingual{T::WizardNstLabel,
              "Número de passos no tempo:    Npt =", "Number of steps in the time:       Nst ="},
    Bilingual{T::WizardNoLabel,
              "Acompanhar transiente do nó:    Nó =", "Unsteady state for the node:       No ="},
    Bilingual{T::WizardPositionHint, "<=  Const. ou f(x)", "<=  Const. or f(x)"},
    Bilingual{T::WizardForwardStep2, "Passo &2 >>", "Step &2 >>"},
    Bilingual{T::WizardForwardStep3, "Passo &3 >>", "Step &3 >>"},
    Bilingual{T::WizardForwardStep4, "Passo &4 >>", "Step &4 >>"},
    Bilingual{T::WizardBackStep1, "<< Passo &1", "<< Step &1"},
    Bilingual{T::WizardBackStep2, "<< Passo &2", "<< Step &2"},
    Bilingual{T::WizardBackStep3, "<< Passo &3", "<< Step &3"},
    Bilingual{T::OkButton, "&OK", "&OK"},
    Bilingual{T::BoundaryTemperatureGroup, "Temperatura", "Temperature"},
    Bilingual{T::BoundaryFluxGroup, "Fluxo", "Flux"},
    Bilingual{T::BoundaryConvectionGroup, "Convecção", "Convection"},
    Bilingual{T::WestTLabel, "Temperatura em x = 0.0:                       T =",
              "Temperature in x = 0.0:                         T ="},
    Bilingual{T::WestPhiLabel, "Fluxo em x = 0.0                                 Fi =",
              "Flux in x = 0.0                                     Phi ="},
    Bilingual{T::WestHLabel, "Coeficiente convectivo em x = 0.0:       h =",
              "Convective coefficient in x = 0.0:          h ="},
    Bilingual{T::WestTinfLabel, "Temperatura ambiente em x = 0.0:    Tinf =",
              "Ambient temperature in x = 0.0:         Tinf ="},
    Bilingual{T::EastTLabel, "Temperatura em x = L:                         T =",
              "Temperature in x = L:                           T ="},
    Bilingual{T::EastPhiLabel, "Fluxo em x = L                                    Fi =",
              "Flux in x = L                                     Phi ="},
    Bilingual{T::EastHLabel, "Coeficiente convectivo em x = L:         h =",
              "Convective coefficient in x = L:            h ="},
    Bilingual{T::EastTinfLabel, "Temperatura ambiente em x = L:      Tinf = ",
              "Ambient temperature in x = L:           Tinf ="},
    Bilingual{T::FluxSignHint, "  P/ dentro: positivo  -  P/ fora: negativo",
              "         (In: positive  -  Out: negative)"},
    Bilingual{T::WestStep2Title, "Passo 2 - Condição de contorno oeste - Em x = 0.0:",
              "Step 2 - West boundary condition - In x = 0.0:"},
    Bilingual{T::WestStep3Title, "Passo 3 - Condição de contorno oeste - Em x = 0.0:",
              "Step 3 - West boundary condition - In x = 0.0:"},
    Bilingual{T::EastStep3Title, "Passo 3 - Condição de contorno leste - Em x = L:",
              "Step 3 - East boundary condition - In x = L:"},
    Bilingual{T::EastStep4Title, "Passo 4 - Condição de contorno leste - Em x = L:",
              "Step 4 - East boundary condition - In x = L:"},
    Bilingual{T::EastStep2Title, "Passo 2 - Condição de contorno leste - Em x = L:",
              "Step 2 - East boundary condition - In x = L:"},

    // ---- case entry: questions and warnings
    Bilingual{T::WizardCloseSimulationQuestion,
              "A simulação atual será fechada. Prosseguir com a operação?",
              "The current simulation will be closed. To continue the operation?"},
    Bilingual{T::BlankNTitle, "Atenção", "Attentiom"},
    Bilingual{T::FluxFluxWarning,
              "As duas condições de contorno envolvem fluxo. Assim, é fortemente recomendável \n"
              "simular um longo regime transiente! Gostaria de modificar este conjunto de dados?",
              "The two boundary conditions involve flux. Thus, it is strongly advisable \n"
              "to simulate a long unsteady state! Would you like to modify this dataset?"},
    Bilingual{T::ConvectiveProblemTitle, "Atenção: Problema convectivo",
              "Attention: Convective problem"},
    Bilingual{T::ConvectiveProblemWarning,
              "Existe condição de contorno que não envolve temperatura. Assim, é fortemente "
              "recomendável \n"
              "simular um longo regime transiente! Gostaria de modificar este conjunto de dados?",
              "There is boundary condition that does not involve temperature. Thus, it is strongly "
              "advisable \n"
              "to simulate a long unsteady state! Would you like to modify this dataset?"},
    Bilingual{T::CaseWriteFailed,
              "Não foi possível gravar o caso em \"{}\". Verifique se a pasta existe e permite "
              "gravação; o arquivo que lá estava não foi alterado.",
              "The case could not be written to \"{}\". Check that the folder exists and may be "
              "written to; the file that was there is unchanged."},
    Bilingual{T::SavedCaseUnreadable,
              "O arquivo \"{}\" não pode ser aberto como um caso: ele termina antes do fim dos "
              "dados ou tem texto onde deveria haver um número inteiro. Nada foi carregado.",
              "The file \"{}\" cannot be opened as a case: it ends before its data are complete "
              "or holds text where a whole number belongs. Nothing was loaded."},
    Bilingual{T::SavedFormulaTooLong,
              "A entrada {} tem mais que os {} caracteres do seu campo no arquivo \"{}\"; "
              "cortada, seria outra expressão. Nada foi carregado.",
              "The entry {} is longer than the {} characters of its field in the file \"{}\"; "
              "cut short, it would be another expression. Nothing was loaded."},

    // ---- case entry: step 1 and step 2 validation
    Bilingual{T::LxBlank, "Informe o valor da distância entre os contornos!",
              "Inform the value of the distance between the boundaries!"},
    Bilingual{T::LxUnreadable, "Erro lendo o valor da distância entre os contornos!",
              "Error reading the value of the distance between the boundaries!"},
    Bilingual{T::LxNotPositive, "A distância entre os contornos deve ser maior que zero!",
              "The distance between the boundaries must be greater than zero!"},
    Bilingual{T::NBlank, "Informe o valor do número de volumes de controle!",
              "Inform the value of the number of control volumes!"},
    Bilingual{T::NUnreadable, "Erro lendo o valor do número de volumes de controle!",
              "Error reading the value of the number of control volumes!"},
    Bilingual{T::NOutOfRange, "O número de volumes de controle deve ser entre 3 e 1000!",
              "Number of control volumes: from 3 up to 1000!"},
    Bilingual{T::KBlank, "Informe o valor a condutividade térmica do meio!",
              "Inform the value of the thermal conductivity!"},
    Bilingual{T::KUnreadable, "Erro lendo o valor da condutividade térmica do meio!",
              "Error reading the value of the thermal conductivity!"},
    Bilingual{T::KNotPositive, "A condutividade deve ser maior que zero!",
              "Thermal conductivity must be greater than zero!"},
    Bilingual{T::KSyntaxError,
              "Erro de sintaxe lendo a expressão da condutividade térmica do meio!",
              "Syntax error reading the expression of the thermal conductivity!"},
    Bilingual{T::ScBlank, "Informe o termo de fonte Sc!",
              "Inform the value of the Sc source term!"},
    Bilingual{T::ScUnreadable, "Erro lendo o valor do termo de fonte Sc!",
              "Error reading the value of the Sc source term!"},
    Bilingual{T::ScSyntaxError, "Erro de sintaxe lendo a expressão do termo de fonte Sc!",
              "Syntax error reading the expression of the Sc source term!"},
    Bilingual{T::SpBlank, "Informe o termo de fonte Sp!",
              "Inform the value of the Sp source term!"},
    Bilingual{T::SpUnreadable, "Erro lendo o valor do termo de fonte Sp!",
              "Error reading the value of the Sp source term!"},
    Bilingual{T::SpSyntaxError, "Erro de sintaxe lendo a expressão do termo de fonte Sp!",
              "Syntax error reading the expression of the Sp source term!"},
    Bilingual{T::UBlank, "Informe o valor da velocidade do meio!",
              "Inform the value of the velocity of the domain!"},
    Bilingual{T::UUnreadable, "Erro lendo o valor da velocidade do meio!",
              "Error reading the value of the velocity of the domain!"},
    Bilingual{T::UNegative,
              "A velocidade deve ser maior ou equal a zero! Você poderia inverter as condições de "
              "contorno!",
              "The velocity of the domain must be equal or greater than zero! You could invert the "
              "boundary conditions!"},
    Bilingual{T::RiBlank, "Informe o raio interno!", "Inform the inner radius!"},
    Bilingual{T::RiUnreadable, "Erro lendo o valor do raio interno!",
              "Error reading the value of the inner radius!"},
    Bilingual{T::RiNegative, "O raio interno deve ser zero ou maior!",
              "The inner radius must be zero or greater!"},
    Bilingual{T::RiTooLarge,
              "O raio interno é grande demais: o raio externo ri + Lx deve ser no máximo {}!",
              "The inner radius is too large: the outer radius ri + Lx must be at most {}!"},
    Bilingual{T::RadialVelocity, "Geometria radial: a velocidade deve ser zero!",
              "Radial geometry: the velocity must be zero!"},
    Bilingual{T::StateMissing, "Informe o regime da simulação!",
              "Inform the state of the simulation!"},
    Bilingual{T::TiBlank, "Informe a temperatura inicial do meio!",
              "Inform the initial temperature!"},
    Bilingual{T::TiUnreadable, "Erro lendo o valor da temperatura inicial!",
              "Error reading the value of the initial temperature!"},
    Bilingual{T::TiSyntaxError, "Erro de sintaxe lendo a expressão da temperatura inicial!",
              "Syntax error reading the expression of the initial temperature!"},
    Bilingual{T::RhoBlank, "Informe a densidade do meio!", "Inform the density!"},
    Bilingual{T::RhoUnreadable, "Erro lendo o valor da densidade!",
              "Error reading the value of the density!"},
    Bilingual{T::RhoNotPositive, "A densidade deve ser maior que zero!",
              "The density must be greater than zero!"},
    Bilingual{T::RhoSyntaxError, "Erro de sintaxe lendo a expressão da densidade",
              "Syntax error reading the expression of the density!"},
    Bilingual{T::CpBlank, "Informe o calor específico do meio!", "Inform the specific heat!"},
    Bilingual{T::CpUnreadable, "Erro lendo o valor do calor específico!",
              "Error reading the value of the specific heat!"},
    Bilingual{T::CpNotPositive, "O calor específico deve ser maior que zero!",
              "The specific heat must be greater zero!"},
    Bilingual{T::CpSyntaxError, "Erro de sintaxe lendo a expressão do calor específico",
              "Syntax error reading the expression of the specific heat!"},
    Bilingual{T::DeltTBlank, "Informe o valor do intervalo de tempo (Delta_t)!",
              "Inform the value of the interval of time!"},
    Bilingual{T::DeltTUnreadable, "Erro lendo o valor do intervalo de tempo!",
              "Error reading the value of the interval of time!"},
    Bilingual{T::DeltTNotPositive, "O intervalo de tempo deve ser maior que zero!",
              "The interval of time must be greater than zero!"},
    Bilingual{T::NstBlank, "Informe o valor do número de passos no tempo!",
              "Inform the value of the number of steps in the time!"},
    Bilingual{T::NstUnreadable, "Erro lendo o valor do número de passos no tempo!",
              "Error reading the value of the number of steps in the time!"},
    Bilingual{T::NstTooFew, "No transiente, o número de passos no tempo deve ser maior que 1!",
              "For the unsteady state, the number of steps in the time must be greater 1!"},
    Bilingual{T::NoBlank, "Informe o número do nó para acompanhar o transiente!",
              "Inform the number of the node for the study of the unsteady state!"},
    Bilingual{T::NoUnreadable, "Erro lendo o valor do nó!", "Error reading the value of the node!"},
    Bilingual{T::NoOutOfRange,
              "O número do nó deve estar entre 1 e o número N de volumes de controle estipulado!!",
              "The number of the node must be from 1 up to the number N of specified control "
              "volumes!"},

    // ---- case entry: boundary validation
    Bilingual{T::WestBlank, "Informe a condição de contorno em x = 0.0!",
              "Inform the boundary condition in x = 0.0!"},
    Bilingual{T::WestTUnreadable, "Erro lendo o valor da temperatura em x = 0.0!",
              "Error reading the value of the temperature in x = 0.0!"},
    Bilingual{T::WestPhiUnreadable, "Erro lendo o valor do fluxo em x = 0.0!",
              "Error reading the value of the flux in x = 0.0!"},
    Bilingual{T::WestConvectionIncomplete,
              "Informe os dois valores referentes à condição de contorno convectiva em x = 0.0!",
              "Inform the two values referring to the convective boundary condition in x = 0.0!"},
    Bilingual{T::WestHUnreadable, "Erro lendo o valor do coeficiente de convecção em x = 0.0!",
              "Error reading the value of the convective coefficient in x = 0.0!"},
    Bilingual{T::WestTinfUnreadable, "Erro lendo o valor da temperatura ambiente em x = 0.0!",
              "Error reading the value of the ambient temperature in x = 0.0!"},
    Bilingual{T::EastBlank, "Informe a condição de contorno em x = L!",
              "Inform the boundary condition in x = L!"},
    Bilingual{T::EastTUnreadable, "Erro lendo o valor da temperatura em x = L!",
              "Error reading the value of the temperature in x = L!"},
    Bilingual{T::EastPhiUnreadable, "Erro lendo o valor do fluxo em x = L!",
              "Error reading the value of the flux in x = L!"},
    Bilingual{T::EastConvectionIncomplete,
              "Escreva os dois valores referentes à convecção prescrita em x = L!",
              "Inform the two values referring to the convective boundary condition in x = L!"},
    Bilingual{T::EastHUnreadable, "Erro lendo o valor do coeficiente de convecção em x = L!",
              "Error reading the value of the convective coefficient in x = L!"},
    Bilingual{T::EastTinfUnreadable, "Erro lendo o valor da temperatura ambiente em x = L!",
              "Error reading the value of the ambient temperature in x = L!"},
    Bilingual{T::ConvectiveCoefficientNotPositive,
              "O coeficiente de convecção deve ser maior que zero!",
              "The convective coefficient must be greater than zero!"},

    // ---- case entry: summary panel
    Bilingual{T::SummaryLx, "Lx = {} <= Distância O-L", "Lx = {} <= W-E distance"},
    Bilingual{T::SummaryN, "N = {} <= Número de volumes de controle",
              "N = {} <= Number of control volumes"},
    Bilingual{T::SummaryK, "K = {} <= Condutividade", "K = {} <= conductivity"},
    Bilingual{T::SummarySc, "Sc = {} <= Fonte Sc", "Sc = {} <= Sc source"},
    Bilingual{T::SummarySp, "Sp = {} <= Fonte Sp", "Sp = {} <= Sp source"},
    Bilingual{T::SummarySteady, "Simulação em regime permanente", "Steady state simulation"},
    Bilingual{T::SummaryUnsteady, "Simulação em regime transiente", "Unsteady state simulation"},
    Bilingual{T::SummaryGaussSidelVelocity, "Use Gauss-Sidel    u = ", "Use Gauss-Sidel    u = "},
    Bilingual{T::SummaryTabLuVelocity, "Use tab. LU    u = ", "Use tab. LU    u = "},
    Bilingual{T::SummaryTi, "Ti = {} <= Temperatura inicial", "Ti = {} <= Initial temperature"},
    Bilingual{T::SummaryRho, "Ro = {} <= Densidade", "Rho = {} <= Density"},
    Bilingual{T::SummaryCp, "Cp = {} <= Calor específico", "Cp = {} <= Specific heat"},
    Bilingual{T::SummaryDeltT, "Delta_t = {} <= Intervalo de tempo",
              "Delt_t = {} <= Interval of time"},
    Bilingual{T::SummaryNst, "Npt = {} <= Número de passos no tempo",
              "Nst = {} <= Number of steps in the time"},
    Bilingual{T::SummaryNo, "Acompanhamento transiente do nó {}", "Unsteady state for the node {}"},
    Bilingual{T::SummaryPlaceholder, "*******", "*******"},
    Bilingual{T::WestTemperatureLine, "Em x = 0.0:  T = {}", "In x = 0.0:  T = {}"},
    Bilingual{T::WestFluxLine, "Em x = 0.0:  Fi = {}", "In x = 0.0:  Phi = {}"},
    Bilingual{T::WestConvectionLine, "Em x = 0.0:  h = {}", "In x = 0.0:  h = {}"},
    Bilingual{T::EastTemperatureLine, "Em x = L:  T = {}", "In x = L:  T = {}"},
    Bilingual{T::EastFluxLine, "Em x = L:  Fi = {}", "In x = L:  Phi = {}"},
    Bilingual{T::EastConvectionLine, "Em x = L:  h = {}", "In x = L:  h = {}"},
    Bilingual{T::ConvectionTinfPart, "   Tinf = {}", "   Tinf = {}"},
    Bilingual{T::SummaryCylinder, "Cilindro:  ri = {}", "Cylinder:  ri = {}"},
    Bilingual{T::SummarySphere, "Esfera:  ri = {}", "Sphere:  ri = {}"},
    Bilingual{T::WestCentreLine, "Em r = 0:  centro (sem condição)",
              "In r = 0:  centre (no condition)"},
    Bilingual{T::CentreWestConditionUnused,
              "Com ri = 0 o corpo é maciço: sua superfície interna é o centro, que não tem "
              "condição de contorno. A condição oeste deste caso não é usada.",
              "With ri = 0 the body is solid: its inner surface is the centre, which has no "
              "boundary condition. The west condition of this case is not used."},
    Bilingual{T::UnknownBodyLine,
              "A linha {} do caso, \"{}\", vem depois da velocidade mas não nomeia um corpo "
              "(plane, cylinder ou sphere): o caso é simulado como parede plana.",
              "Line {} of the case, \"{}\", follows the velocity but names no body (plane, "
              "cylinder or sphere): the case runs as a plane wall."},

    // ---- keeping the results
    Bilingual{T::MenuSaveResultsAs, "Salvar &Resultados Como…", "Save Results &As…"},
    Bilingual{T::SaveResultsTitle, "Salvar Resultados Como", "Save Results As"},
    Bilingual{T::KeepResultsQuestion,
              "Os arquivos de resultados desta pasta serão apagados ao sair. "
              "Quer guardar uma cópia deles em outra pasta?",
              "The result files in this folder are deleted when you leave. "
              "Do you want to keep a copy of them in another folder?"},
    Bilingual{T::ResultsAlreadyInFolder,
              "Os arquivos de resultados já estão nesta pasta, que é esvaziada ao sair. "
              "Escolha outra pasta.",
              "The result files are already in this folder, which is emptied when you leave. "
              "Choose another folder."},
    Bilingual{T::ResultsCopyFailed,
              "Não foi possível gravar \"{}\" na pasta \"{}\". Nada foi apagado.",
              "\"{}\" could not be written in the folder \"{}\". Nothing was deleted."},
    Bilingual{T::ResultsCopied, "Os arquivos de resultados foram copiados para a pasta \"{}\".",
              "The result files were copied to the folder \"{}\"."},
    Bilingual{T::SingleFolderOnly,
              "Escolha uma única pasta: o campo do nome contém vários nomes entre aspas.",
              "Choose a single folder: the name field holds several names in quotes."},

    // ---- the desktop's own windows
    Bilingual{T::AboutBoxTitle, "Sobre o Calorvia", "About Calorvia"},
    Bilingual{T::EditorFileMenu, "&Arquivo", "&File"},
    Bilingual{T::EditorSave, "&Salvar", "&Save"},
    Bilingual{T::EditorClose, "&Fechar", "&Close"},
    Bilingual{T::EditorSaveFailed, "Não foi possível salvar o arquivo \"{}\": {}",
              "The file \"{}\" could not be saved: {}"},
    Bilingual{T::EditorSaveChanges, "Salvar as alterações em \"{}\"?",
              "Save the changes to \"{}\"?"},
    Bilingual{T::HelpBack, "&Voltar", "&Back"},
    Bilingual{T::HelpForward, "&Avançar", "&Forward"},
    Bilingual{T::HelpWindowTitle, "Ajuda do Calorvia", "Calorvia Help"},

    // ---- checking a result
    Bilingual{T::MenuCompareExact, "Comparar com a solução e&xata",
              "Compare with the e&xact solution"},
    Bilingual{T::MenuEnergyBalance, "&Balanço de Energia", "Energy &Balance"},
    Bilingual{T::ExactFileName, "Exata.txt", "Exact.txt"},
    Bilingual{T::BalanceFileName, "Balanço.txt", "Balance.txt"},
    Bilingual{T::ExactTitle, "Regime permanente unidimensional: temperaturas numéricas e exatas",
              "One-dimensional steady state: numerical and exact temperatures"},
    Bilingual{T::ExactColumns, " Posição x     T numérica        T exata        Diferença",
              "Position x    Numerical T        Exact T       Difference"},
    Bilingual{T::ExactRadiusColumns, " Raio r        T numérica        T exata        Diferença",
              "Radius r      Numerical T        Exact T       Difference"},
    Bilingual{T::ExactLargest, "Maior diferença: {}", "Largest difference: {}"},
    Bilingual{T::ExactRms, "Diferença média quadrática: {}", "Root mean square difference: {}"},
    Bilingual{T::ExactNeedsConstants,
              "A solução exata pede propriedades constantes: K, Sc e Sp (e Ro e Cp quando a "
              "velocidade não é zero) devem ser números.",
              "The exact solution needs constant properties: K, Sc and Sp (and Rho and Cp "
              "when the velocity is not zero) must be numbers."},
    Bilingual{T::ExactNeedsAPhysicalCase,
              "A solução exata pede Lx, K e h maiores que zero, um raio interno zero ou maior e "
              "valores finitos.",
              "The exact solution needs Lx, K and h greater than zero, an inner radius of zero "
              "or more, and finite values."},
    Bilingual{T::ExactRadialNeedsNoFlow,
              "Num cilindro ou numa esfera a solução exata pede velocidade zero.",
              "In a cylinder or a sphere the exact solution needs a velocity of zero."},
    Bilingual{T::ExactNoSteadyState,
              "Com fluxo prescrito nos dois contornos e sem sumidouro não há regime permanente "
              "único: não há solução exata.",
              "With a flux prescribed at both boundaries and no sink there is no single steady "
              "state: there is no exact solution."},
    Bilingual{T::ExactNotUnique,
              "As condições de contorno não fixam uma única solução (ressonância com Sp "
              "positivo): não há solução exata.",
              "The boundary conditions do not fix a single solution (resonance with a positive "
              "Sp): there is no exact solution."},
    Bilingual{T::ExactTooLarge, "A solução exata deste caso é grande demais para ser calculada.",
              "The exact solution of this case is too large to be computed."},
    Bilingual{T::ExactNeedsSteadyProfile,
              "A solução exata é a do regime permanente: simule o regime permanente, ou inclua-o "
              "no fim da simulação transiente.",
              "The exact solution is that of the steady state: simulate the steady state, or "
              "include it at the end of the unsteady simulation."},
    Bilingual{T::BalanceHeading,
              "Balanço de energia da última solução, em {} (positivo o calor que entra no "
              "corpo): {}",
              "Energy balance of the last solution, in {} (heat entering the body is "
              "positive): {}"},
    Bilingual{T::BalanceVerdict,
              "o resíduo é {} do maior termo, dentro do limite de {}: o balanço fecha",
              "the residual is {} of the largest term, within the limit of {}: balanced"},
    Bilingual{T::BalanceNotBalanced,
              "o resíduo é {} do maior termo, acima do limite de {}: o balanço NÃO fecha, "
              "não confie nestes resultados",
              "the residual is {} of the largest term, above the limit of {}: NOT BALANCED, "
              "do not trust these results"},
    Bilingual{T::BalanceLinearLimit, "1.0E-06 de um caso linear resolvido diretamente",
              "1.0E-06 for a linear case solved directly"},
    Bilingual{T::BalanceIteratedLimit,
              "1.0E-03 de um caso resolvido por iteração (propriedades ou fonte que dependem "
              "de T, fonte linearizada ou Gauss-Sidel)",
              "1.0E-03 for a case solved by iteration (properties or source that depend on T, "
              "a linearised source or Gauss-Sidel)"},
    Bilingual{T::BalanceWestConduction, " <= Face oeste: calor que entra por condução",
              " <= West face: heat entering by conduction"},
    Bilingual{T::BalanceWestConvection, " <= Face oeste: calor trazido pelo escoamento",
              " <= West face: heat carried in by the flow"},
    Bilingual{T::BalanceEastConduction, " <= Face leste: calor que entra por condução",
              " <= East face: heat entering by conduction"},
    Bilingual{T::BalanceEastConvection, " <= Face leste: calor trazido pelo escoamento",
              " <= East face: heat carried in by the flow"},
    Bilingual{T::BalanceInnerConduction, " <= Superfície interna: calor que entra por condução",
              " <= Inner surface: heat entering by conduction"},
    Bilingual{T::BalanceInnerConvection, " <= Superfície interna: calor trazido pelo escoamento",
              " <= Inner surface: heat carried in by the flow"},
    Bilingual{T::BalanceOuterConduction, " <= Superfície externa: calor que entra por condução",
              " <= Outer surface: heat entering by conduction"},
    Bilingual{T::BalanceOuterConvection, " <= Superfície externa: calor trazido pelo escoamento",
              " <= Outer surface: heat carried in by the flow"},
    Bilingual{T::BalanceGenerated, " <= Calor gerado pela fonte",
              " <= Heat generated by the source"},
    Bilingual{T::BalanceStored, " <= Calor armazenado no último passo de tempo",
              " <= Heat stored in the last time step"},
    Bilingual{T::BalanceResidual, " <= Resíduo: entra + gerado - armazenado",
              " <= Residual: entering + generated - stored"},
    Bilingual{T::BalanceRelativeResidual, " <= Resíduo dividido pelo maior termo",
              " <= Residual divided by the largest term"},

    // ---- dialog templates: window titles and captions alike in both languages
    Bilingual{T::GeneralStepWindowTitle, "Calorvia - General Information",
              "Calorvia - General Information"},
    Bilingual{T::TransientStepWindowTitle, "Calorvia - Unsteady State (or convective problem)",
              "Calorvia - Unsteady State (or convective problem)"},
    Bilingual{T::WestBoundaryWindowTitle, "Calorvia - West Boundary", "Calorvia - West Boundary"},
    Bilingual{T::EastBoundaryWindowTitle, "Calorvia - East Boundary", "Calorvia - East Boundary"},
    Bilingual{T::ToleranceWindowTitle, "Calorvia - Tolerance", "Calorvia - Tolerance"},
    Bilingual{T::ScaleWindowTitle, "Calorvia - Dynamic Graph", "Calorvia - Dynamic Graph"},
    Bilingual{T::TimeGraphWindowTitle, "Calorvia - Unsteady State Graph",
              "Calorvia - Unsteady State Graph"},
    Bilingual{T::PortugueseOption, "Português", "Português"},
    Bilingual{T::EnglishOption, "English", "English"},
    Bilingual{T::ToleranceLabel, "Tol  = ", "Tol  = "},
    Bilingual{T::CdsOption, "CDS", "CDS"},
    Bilingual{T::UpwindOption, "Upwind", "Upwind"},
    Bilingual{T::TminLabel, "Tmin = ", "Tmin = "},
    Bilingual{T::TmaxLabel, "Tmax = ", "Tmax = "},
    Bilingual{T::BlankHelpLine, " ", " "},
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

}  // namespace calorvia::texts
