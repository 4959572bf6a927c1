#include "texts/text_catalogue.h"

#include <cstddef>
#include <iterator>

#include "texts/common_texts.h"
#include "texts/entry_texts.h"
#include "texts/graph_texts.h"
#include "texts/run_texts.h"
#include "texts/shell_texts.h"

namespace calorvia::texts {
namespace {

template <class Id>
struct Bilingual {
    Id key;
    std::string_view portuguese;
    std::string_view english;
};

// Each area's rows follow its enumeration: one row per text, in order.
template <class Id, std::size_t N>
constexpr bool followsEnumeration(const Bilingual<Id> (&rows)[N]) {
    if (N != static_cast<std::size_t>(Id::Count)) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].key) != i) return false;
    }
    return true;
}

constexpr Bilingual<CommonText> kCommonTexts[]{
    // ---- everywhere
    {CommonText::AttentionTitle, "Atenção", "Attention"},
    {CommonText::ProgramName, "Calorvia", "Calorvia"},
    {CommonText::GraphicsWindowTitle, "1-Dimensional", "1-Dimensional"},
    {CommonText::SettingsWriteFailed,
     "Não foi possível gravar o arquivo \"{}\"! A escolha vale apenas até o programa ser "
     "fechado.",
     "The file \"{}\" could not be written! The choice holds only until the program is "
     "closed."},
};
static_assert(followsEnumeration(kCommonTexts),
              "every common text needs exactly one row, in the order of CommonText");

constexpr Bilingual<ShellText> kShellTexts[]{
    // ---- start-up and the About box
    {ShellText::ResolutionRefused, "Este software não funciona adequadamente nesta resolução!",
     "This software does not work appropriately in this resolution!"},
    {ShellText::CurrentDirectoryFailed, "Falha obtendo o diretório!",
     "Failed to get current directory !"},
    {ShellText::ProgramFolderInUse,
     "Outro Calorvia está usando a pasta \"{}\"; os resultados dos dois se "
     "misturariam. Feche o outro programa ou abra este em outra pasta.",
     "Another Calorvia is using the folder \"{}\"; the results of the two would be "
     "mixed. Close the other program, or start this one in another folder."},
    {ShellText::AboutPurpose,
     "Este software é destinado ao estudo de condução unidimensional de calor.",
     "This software is destined to the one-dimensional heat transfer study."},
    {ShellText::AboutCredits,
     "Método dos volumes finitos segundo S. V. Patankar,\n"
     "Numerical Heat Transfer and Fluid Flow (1980).\n"
     "Escrito em C++20; a janela usa Qt 6.",
     "Finite volume method after S. V. Patankar,\n"
     "Numerical Heat Transfer and Fluid Flow (1980).\n"
     "Written in C++20; the window uses Qt 6."},
    {ShellText::AboutCreditsWeb,
     "Método dos volumes finitos segundo S. V. Patankar,\n"
     "Numerical Heat Transfer and Fluid Flow (1980).\n"
     "Escrito em C++20; esta página o executa em WebAssembly.",
     "Finite volume method after S. V. Patankar,\n"
     "Numerical Heat Transfer and Fluid Flow (1980).\n"
     "Written in C++20; this page runs it as WebAssembly."},
    {ShellText::OpenDialogTitle, "Abrir Arquivo de Dados", "Open Data File"},
    {ShellText::SaveDialogTitle, "Salvar Arquivo de Dados", "Save Data File"},

    // ---- menus
    {ShellText::MenuFile, "&Arquivo", "&File"},
    {ShellText::MenuNew, "&Novo", "&New"},
    {ShellText::MenuOpen, "Ab&rir", "&Open"},
    {ShellText::MenuExit, "&Sair", "&Exit"},
    {ShellText::MenuSimulation, "&Simulação", "&Simulation"},
    {ShellText::MenuBeginSimulation, "&Iniciar Simulação", "&Begin Simulation"},
    {ShellText::MenuCancelSimulation, "&Cancelar Simulação", "&Cancel Simulation"},
    {ShellText::MenuClearScreen, "&Limpar a Tela", "&Clear Screen"},
    {ShellText::MenuResults, "&Resultados", "&Results"},
    {ShellText::MenuSelectGraph, "&Selecionar Gráfico", "&Select Graph"},
    {ShellText::MenuCopyGraph, "&Copiar Gráfico", "&Copy Graph"},
    {ShellText::MenuDataset, "Conjunto de &Dados", "&Dataset"},
    {ShellText::MenuFluxInVolumes, "&Fluxos nos Volumes de Controle",
     "&Flux in the Control Volumes"},
    {ShellText::MenuFluxVersusPosition, "Fluxo versus &Posição", "Flux versus &Position"},
    {ShellText::MenuUnsteadyState, "Regime &Transiente", "&Unsteady State"},
    {ShellText::MenuWestBoundary, "Contorno &Oeste", "&West Boundary"},
    {ShellText::MenuEastBoundary, "Contorno &Leste", "&East Boundary"},
    {ShellText::MenuSteadyState, "Regime P&ermanente", "S&teady State"},
    {ShellText::MenuPrintScreen, "&Imprimir Tela", "Pr&int Screen"},
    {ShellText::MenuPreferences, "&Preferências", "&Preferences"},
    {ShellText::MenuGraphColour, "&Cor dos Gráficos", "&Color of the Graphs"},
    {ShellText::MenuIdioma, "&Idioma", "&Idioma"},
    {ShellText::MenuLanguage, "&Language", "&Language"},
    {ShellText::MenuTolerance, "&Tolerância para Gauss-Sidel", "&Tolerance for Gauss-Sidel"},
    {ShellText::MenuInformation, "&Informações", "&Information"},
    {ShellText::MenuSoftwareHelp, "&Ajuda do Software", "&Software Help"},
    {ShellText::MenuWindowsHelp, "Ajuda do &Windows", "&Windows Help"},
    {ShellText::MenuHomePage, "&Home Page", "&Home Page"},
    {ShellText::MenuSendEmail, "&Enviar Email", "Send &Email"},
    {ShellText::MenuAbout, "&Sobre", "&About"},

    // ---- commands
    {ShellText::PleaseWait, "Espere por favor...", "Please wait..."},
    {ShellText::HelpDocument, "Ajuda.hlp", "Help.hlp"},
    {ShellText::SyntaxDocument, "Sintaxe.hlp", "Syntax.hlp"},
    {ShellText::WindowHelpDocument, "Janela.hlp", "Window.hlp"},
    {ShellText::HomePageDocument, "Inicio.html", "Home.html"},

    // ---- preference dialogs
    {ShellText::ToleranceGroup, "Tolerância para Gauss-Sidel", "Tolerance for Gauss-Sidel"},
    {ShellText::CancelButton, "&Cancelar", "&Cancel"},
    {ShellText::ToleranceReadingError, "Erro lendo o valor da tolerância!",
     "Error reading the value of the tolerance!"},
    {ShellText::ColourGroup, "Gráfico: escolha a cor", "Graph: choose the color"},
    {ShellText::ColourBlack, "Preta", "Black"},
    {ShellText::ColourRed, "Vermelha", "Red"},
    {ShellText::ColourMagenta, "Magenta", "Magenta"},
    {ShellText::ColourGreen, "Verde", "Green"},
    {ShellText::ColourYellow, "Amarela", "Yellow"},
    {ShellText::LanguageGroup, "Escolha o idioma", "Choose the language"},

    // ---- numeric error messages
    {ShellText::MathErrorFirstPart, "Ocorreu um erro!  Função - ",
     "A error has occurred!  Function - "},
    {ShellText::MathErrorLineBreak, "\n", "\n       "},
    {ShellText::MathErrorDomain, "Erro:  Domínio do argumento", "Error:  Argument domain"},
    {ShellText::MathErrorSingularity, "Erro:  Singularidade do argumento",
     "Error:  Argument singularity"},
    {ShellText::MathErrorOverflow, "Erro:  Valor acima do intervalo", "Error:  Overflow range"},
    {ShellText::MathErrorUnderflow, "Erro:  Valor abaixo do intervalo", "Error:  Underflow range"},
    {ShellText::MathErrorLossOfPrecision, "Erro:  Perda de precisão", "Error:  Loss of precision"},
    {ShellText::MathErrorOther, "Ocorreu um erro!", "A error has occurred!"},

    // ---- keeping the results
    {ShellText::MenuSaveResultsAs, "Salvar &Resultados Como…", "Save Results &As…"},
    {ShellText::SaveResultsTitle, "Salvar Resultados Como", "Save Results As"},
    {ShellText::KeepResultsQuestion,
     "Os arquivos de resultados desta pasta serão apagados ao sair. "
     "Quer guardar uma cópia deles em outra pasta?",
     "The result files in this folder are deleted when you leave. "
     "Do you want to keep a copy of them in another folder?"},
    {ShellText::ResultsAlreadyInFolder,
     "Os arquivos de resultados já estão nesta pasta, que é esvaziada ao sair. "
     "Escolha outra pasta.",
     "The result files are already in this folder, which is emptied when you leave. "
     "Choose another folder."},
    {ShellText::ResultsCopyFailed,
     "Não foi possível gravar \"{}\" na pasta \"{}\". Nada foi apagado.",
     "\"{}\" could not be written in the folder \"{}\". Nothing was deleted."},
    {ShellText::ResultsCopied, "Os arquivos de resultados foram copiados para a pasta \"{}\".",
     "The result files were copied to the folder \"{}\"."},
    {ShellText::SingleFolderOnly,
     "Escolha uma única pasta: o campo do nome contém vários nomes entre aspas.",
     "Choose a single folder: the name field holds several names in quotes."},

    // ---- the desktop's own windows
    {ShellText::AboutBoxTitle, "Sobre o Calorvia", "About Calorvia"},
    {ShellText::EditorFileMenu, "&Arquivo", "&File"},
    {ShellText::EditorSave, "&Salvar", "&Save"},
    {ShellText::EditorClose, "&Fechar", "&Close"},
    {ShellText::EditorSaveFailed, "Não foi possível salvar o arquivo \"{}\": {}",
     "The file \"{}\" could not be saved: {}"},
    {ShellText::EditorSaveChanges, "Salvar as alterações em \"{}\"?",
     "Save the changes to \"{}\"?"},
    {ShellText::HelpBack, "&Voltar", "&Back"},
    {ShellText::HelpForward, "&Avançar", "&Forward"},
    {ShellText::HelpWindowTitle, "Ajuda do Calorvia", "Calorvia Help"},
};
static_assert(followsEnumeration(kShellTexts),
              "every shell text needs exactly one row, in the order of ShellText");

constexpr Bilingual<EntryText> kEntryTexts[]{
    // ---- case file commands
    {EntryText::CloseSimulationQuestion,
     "A simulação atual será encerrada. Prosseguir com a operação?",
     "The current simulation will be ended. To continue the operation?"},
    {EntryText::CloseLoadedCaseQuestion,
     "Os dados carregados serão fechados. Prosseguir com a operação?",
     "The loaded data will be closed. To continue the operation?"},
    {EntryText::FileDoesNotExist, "O arquivo não existe!", "The file does not exist!"},
    {EntryText::FileAlreadyExists,
     "                     O arquivo já existe! \n"
     " \n"
     " Você deseja manter este arquivo já existente?",
     "                   The file already exists! \n"
     " \n"
     "   Do you want to maintain the existent file?"},
    {EntryText::DataLossTitle, "Atenção: Risco de perda de dados",
     "Attention: Risco de perda de dados"},
    {EntryText::CaseNameIsProgramFile,
     "\"{}\" é o nome de um dos arquivos que o programa mantém na sua pasta, e que ele "
     "apaga ou reescreve. Dê outro nome ao caso, ou salve-o em outra pasta.",
     "\"{}\" is the name of one of the files the program keeps in its folder, which it "
     "deletes or rewrites. Give the case another name, or save it in another folder."},

    // ---- case entry: wizard captions
    {EntryText::WizardStep1Title, "Passo 1 - Estabelecimentos: regimes permanente e transiente",
     "Step 1 - Settings: steady and unsteady states"},
    {EntryText::WizardLxLabel,
     "Distância entre os contornos:      Lx =", "Boundaries distance:                   Lx ="},
    {EntryText::WizardNLabel,
     "Número de volumes de controle:  N =", "Number of control volumes:          N ="},
    {EntryText::WizardNHint, "De 3 até 1000", "From 3 up to 1000"},
    {EntryText::WizardKLabel,
     "Condutividade térmica do meio:    K =", "Thermal conductivity:                   K ="},
    {EntryText::WizardScLabel,
     "Termo fonte   S = Sp T + Sc:      Sc =", "Source term   S = Sp T + Sc:      Sc ="},
    {EntryText::WizardSpLabel,
     "Termo fonte   S = Sp T + Sc:      Sp =", "Source term   S = Sp T + Sc:      Sp ="},
    {EntryText::WizardTemperatureHint, "<=  Const. ou f(T)", "<=  Const. or f(T)"},
    {EntryText::WizardULabel,
     "Convecção-Difusão: velocidade   u =", "Convection-Diffusion: velocity       u ="},
    {EntryText::WizardUHint, "<=  Maior ou igual a zero", "<=  Equal or greater than zero"},
    {EntryText::WizardGeometryLabel, "Geometria:", "  Geometry:"},
    {EntryText::WizardPlaneOption, "Parede pla&na", "Pla&ne wall"},
    {EntryText::WizardCylinderOption, "Ci&lindro", "C&ylinder"},
    {EntryText::WizardSphereOption, "Es&fera", "Sp&here"},
    {EntryText::WizardRiLabel, "Raio interno:                            ri =",
     "Inner radius:                             ri ="},
    {EntryText::WizardRiHint, "<=  Cilindro ou esfera; 0: maciço",
     "<=  Cylinder or sphere; 0: solid"},
    {EntryText::WizardStateLabel, "       Regime:", "       State:"},
    {EntryText::WizardSteadyOption, "&Permanente", "&Steady"},
    {EntryText::WizardUnsteadyOption, "&Transiente", "&Unsteady"},
    {EntryText::WizardMethodLabel, "Método:", "Method:"},
    {EntryText::WizardGaussSidelOption, "&Use Gauss-Sidel (default: tab. LU) ",
     "&Use Gauss-Sidel (default: tab. LU) "},
    {EntryText::WizardSyntaxButton, "&Sintaxe", "&Syntax"},
    {EntryText::WizardStep2Title,
     "Passo 2 - Estabelecimentos: regime transiente (ou problema convectivo)",
     "Step 2 - Settings: unsteady state (or convective problem)"},
    {EntryText::WizardTiLabel, "Temperatura inicial:                      Ti =",
     "Initial temperature:                         Ti ="},
    {EntryText::WizardRhoLabel, "Densidade do meio:                    Ro =",
     "Density:                                     Rho ="},
    {EntryText::WizardCpLabel, "Calor Específico:                         Cp =",
     "Specific heat:                              Cp ="},
    {EntryText::WizardDeltTLabel, "Intervalo de tempo:               Delta_t =",
     "Interval of time:                       Delt_t ="},
    {EntryText::WizardNstLabel,
     "Número de passos no tempo:    Npt =", "Number of steps in the time:       Nst ="},
    {EntryText::WizardNoLabel,
     "Acompanhar transiente do nó:    Nó =", "Unsteady state for the node:       No ="},
    {EntryText::WizardPositionHint, "<=  Const. ou f(x)", "<=  Const. or f(x)"},
    {EntryText::WizardForwardStep2, "Passo &2 >>", "Step &2 >>"},
    {EntryText::WizardForwardStep3, "Passo &3 >>", "Step &3 >>"},
    {EntryText::WizardForwardStep4, "Passo &4 >>", "Step &4 >>"},
    {EntryText::WizardBackStep1, "<< Passo &1", "<< Step &1"},
    {EntryText::WizardBackStep2, "<< Passo &2", "<< Step &2"},
    {EntryText::WizardBackStep3, "<< Passo &3", "<< Step &3"},
    {EntryText::OkButton, "&OK", "&OK"},
    {EntryText::BoundaryTemperatureGroup, "Temperatura", "Temperature"},
    {EntryText::BoundaryFluxGroup, "Fluxo", "Flux"},
    {EntryText::BoundaryConvectionGroup, "Convecção", "Convection"},
    {EntryText::WestTLabel, "Temperatura em x = 0.0:                       T =",
     "Temperature in x = 0.0:                         T ="},
    {EntryText::WestPhiLabel, "Fluxo em x = 0.0                                 Fi =",
     "Flux in x = 0.0                                     Phi ="},
    {EntryText::WestHLabel, "Coeficiente convectivo em x = 0.0:       h =",
     "Convective coefficient in x = 0.0:          h ="},
    {EntryText::WestTinfLabel, "Temperatura ambiente em x = 0.0:    Tinf =",
     "Ambient temperature in x = 0.0:         Tinf ="},
    {EntryText::EastTLabel, "Temperatura em x = L:                         T =",
     "Temperature in x = L:                           T ="},
    {EntryText::EastPhiLabel, "Fluxo em x = L                                    Fi =",
     "Flux in x = L                                     Phi ="},
    {EntryText::EastHLabel, "Coeficiente convectivo em x = L:         h =",
     "Convective coefficient in x = L:            h ="},
    {EntryText::EastTinfLabel, "Temperatura ambiente em x = L:      Tinf = ",
     "Ambient temperature in x = L:           Tinf ="},
    {EntryText::FluxSignHint, "  P/ dentro: positivo  -  P/ fora: negativo",
     "         (In: positive  -  Out: negative)"},
    {EntryText::BoundaryRadiationGroup, "Radiação", "Radiation"},
    {EntryText::WestEpsLabel, "Emissividade em x = 0.0:                 eps =",
     "Emissivity in x = 0.0:                       eps ="},
    {EntryText::WestTsurLabel,
     "Temp. da vizinhança em x = 0.0:     Tsur =", "Surroundings temp. in x = 0.0:         Tsur ="},
    {EntryText::EastEpsLabel, "Emissividade em x = L:                   eps =",
     "Emissivity in x = L:                         eps ="},
    {EntryText::EastTsurLabel,
     "Temp. da vizinhança em x = L:       Tsur =", "Surroundings temp. in x = L:           Tsur ="},
    {EntryText::KelvinHint, "  Com radiação, todas as temperaturas em K",
     "   With radiation, every temperature in K"},
    {EntryText::WestStep2Title, "Passo 2 - Condição de contorno oeste - Em x = 0.0:",
     "Step 2 - West boundary condition - In x = 0.0:"},
    {EntryText::WestStep3Title, "Passo 3 - Condição de contorno oeste - Em x = 0.0:",
     "Step 3 - West boundary condition - In x = 0.0:"},
    {EntryText::EastStep3Title, "Passo 3 - Condição de contorno leste - Em x = L:",
     "Step 3 - East boundary condition - In x = L:"},
    {EntryText::EastStep4Title, "Passo 4 - Condição de contorno leste - Em x = L:",
     "Step 4 - East boundary condition - In x = L:"},
    {EntryText::EastStep2Title, "Passo 2 - Condição de contorno leste - Em x = L:",
     "Step 2 - East boundary condition - In x = L:"},

    // ---- case entry: questions and warnings
    {EntryText::WizardCloseSimulationQuestion,
     "A simulação atual será fechada. Prosseguir com a operação?",
     "The current simulation will be closed. To continue the operation?"},
    {EntryText::BlankNTitle, "Atenção", "Attentiom"},
    {EntryText::FluxFluxWarning,
     "As duas condições de contorno envolvem fluxo. Assim, é fortemente recomendável \n"
     "simular um longo regime transiente! Gostaria de modificar este conjunto de dados?",
     "The two boundary conditions involve flux. Thus, it is strongly advisable \n"
     "to simulate a long unsteady state! Would you like to modify this dataset?"},
    {EntryText::ConvectiveProblemTitle, "Atenção: Problema convectivo",
     "Attention: Convective problem"},
    {EntryText::ConvectiveProblemWarning,
     "Existe condição de contorno que não envolve temperatura. Assim, é fortemente "
     "recomendável \n"
     "simular um longo regime transiente! Gostaria de modificar este conjunto de dados?",
     "There is boundary condition that does not involve temperature. Thus, it is strongly "
     "advisable \n"
     "to simulate a long unsteady state! Would you like to modify this dataset?"},
    {EntryText::CaseWriteFailed,
     "Não foi possível gravar o caso em \"{}\". Verifique se a pasta existe e permite "
     "gravação; o arquivo que lá estava não foi alterado.",
     "The case could not be written to \"{}\". Check that the folder exists and may be "
     "written to; the file that was there is unchanged."},
    {EntryText::SavedCaseUnreadable,
     "O arquivo \"{}\" não pode ser aberto como um caso: ele termina antes do fim dos "
     "dados ou tem texto onde deveria haver um número inteiro. Nada foi carregado.",
     "The file \"{}\" cannot be opened as a case: it ends before its data are complete "
     "or holds text where a whole number belongs. Nothing was loaded."},
    {EntryText::SavedFormulaTooLong,
     "A entrada {} tem mais que os {} caracteres do seu campo no arquivo \"{}\"; "
     "cortada, seria outra expressão. Nada foi carregado.",
     "The entry {} is longer than the {} characters of its field in the file \"{}\"; "
     "cut short, it would be another expression. Nothing was loaded."},

    // ---- case entry: step 1 and step 2 validation
    {EntryText::LxBlank, "Informe o valor da distância entre os contornos!",
     "Inform the value of the distance between the boundaries!"},
    {EntryText::LxUnreadable, "Erro lendo o valor da distância entre os contornos!",
     "Error reading the value of the distance between the boundaries!"},
    {EntryText::LxNotPositive, "A distância entre os contornos deve ser maior que zero!",
     "The distance between the boundaries must be greater than zero!"},
    {EntryText::NBlank, "Informe o valor do número de volumes de controle!",
     "Inform the value of the number of control volumes!"},
    {EntryText::NUnreadable, "Erro lendo o valor do número de volumes de controle!",
     "Error reading the value of the number of control volumes!"},
    {EntryText::NOutOfRange, "O número de volumes de controle deve ser entre 3 e 1000!",
     "Number of control volumes: from 3 up to 1000!"},
    {EntryText::KBlank, "Informe o valor a condutividade térmica do meio!",
     "Inform the value of the thermal conductivity!"},
    {EntryText::KUnreadable, "Erro lendo o valor da condutividade térmica do meio!",
     "Error reading the value of the thermal conductivity!"},
    {EntryText::KNotPositive, "A condutividade deve ser maior que zero!",
     "Thermal conductivity must be greater than zero!"},
    {EntryText::KSyntaxError, "Erro de sintaxe lendo a expressão da condutividade térmica do meio!",
     "Syntax error reading the expression of the thermal conductivity!"},
    {EntryText::ScBlank, "Informe o termo de fonte Sc!", "Inform the value of the Sc source term!"},
    {EntryText::ScUnreadable, "Erro lendo o valor do termo de fonte Sc!",
     "Error reading the value of the Sc source term!"},
    {EntryText::ScSyntaxError, "Erro de sintaxe lendo a expressão do termo de fonte Sc!",
     "Syntax error reading the expression of the Sc source term!"},
    {EntryText::SpBlank, "Informe o termo de fonte Sp!", "Inform the value of the Sp source term!"},
    {EntryText::SpUnreadable, "Erro lendo o valor do termo de fonte Sp!",
     "Error reading the value of the Sp source term!"},
    {EntryText::SpSyntaxError, "Erro de sintaxe lendo a expressão do termo de fonte Sp!",
     "Syntax error reading the expression of the Sp source term!"},
    {EntryText::UBlank, "Informe o valor da velocidade do meio!",
     "Inform the value of the velocity of the domain!"},
    {EntryText::UUnreadable, "Erro lendo o valor da velocidade do meio!",
     "Error reading the value of the velocity of the domain!"},
    {EntryText::UNegative,
     "A velocidade deve ser maior ou equal a zero! Você poderia inverter as condições de "
     "contorno!",
     "The velocity of the domain must be equal or greater than zero! You could invert the "
     "boundary conditions!"},
    {EntryText::RiBlank, "Informe o raio interno!", "Inform the inner radius!"},
    {EntryText::RiUnreadable, "Erro lendo o valor do raio interno!",
     "Error reading the value of the inner radius!"},
    {EntryText::RiNegative, "O raio interno deve ser zero ou maior!",
     "The inner radius must be zero or greater!"},
    {EntryText::RiTooLarge,
     "O raio interno é grande demais: o raio externo ri + Lx deve ser no máximo {}!",
     "The inner radius is too large: the outer radius ri + Lx must be at most {}!"},
    {EntryText::RadialVelocity, "Geometria radial: a velocidade deve ser zero!",
     "Radial geometry: the velocity must be zero!"},
    {EntryText::StateMissing, "Informe o regime da simulação!",
     "Inform the state of the simulation!"},
    {EntryText::TiBlank, "Informe a temperatura inicial do meio!",
     "Inform the initial temperature!"},
    {EntryText::TiUnreadable, "Erro lendo o valor da temperatura inicial!",
     "Error reading the value of the initial temperature!"},
    {EntryText::TiSyntaxError, "Erro de sintaxe lendo a expressão da temperatura inicial!",
     "Syntax error reading the expression of the initial temperature!"},
    {EntryText::RhoBlank, "Informe a densidade do meio!", "Inform the density!"},
    {EntryText::RhoUnreadable, "Erro lendo o valor da densidade!",
     "Error reading the value of the density!"},
    {EntryText::RhoNotPositive, "A densidade deve ser maior que zero!",
     "The density must be greater than zero!"},
    {EntryText::RhoSyntaxError, "Erro de sintaxe lendo a expressão da densidade",
     "Syntax error reading the expression of the density!"},
    {EntryText::CpBlank, "Informe o calor específico do meio!", "Inform the specific heat!"},
    {EntryText::CpUnreadable, "Erro lendo o valor do calor específico!",
     "Error reading the value of the specific heat!"},
    {EntryText::CpNotPositive, "O calor específico deve ser maior que zero!",
     "The specific heat must be greater zero!"},
    {EntryText::CpSyntaxError, "Erro de sintaxe lendo a expressão do calor específico",
     "Syntax error reading the expression of the specific heat!"},
    {EntryText::DeltTBlank, "Informe o valor do intervalo de tempo (Delta_t)!",
     "Inform the value of the interval of time!"},
    {EntryText::DeltTUnreadable, "Erro lendo o valor do intervalo de tempo!",
     "Error reading the value of the interval of time!"},
    {EntryText::DeltTNotPositive, "O intervalo de tempo deve ser maior que zero!",
     "The interval of time must be greater than zero!"},
    {EntryText::NstBlank, "Informe o valor do número de passos no tempo!",
     "Inform the value of the number of steps in the time!"},
    {EntryText::NstUnreadable, "Erro lendo o valor do número de passos no tempo!",
     "Error reading the value of the number of steps in the time!"},
    {EntryText::NstTooFew, "No transiente, o número de passos no tempo deve ser maior que 1!",
     "For the unsteady state, the number of steps in the time must be greater 1!"},
    {EntryText::NoBlank, "Informe o número do nó para acompanhar o transiente!",
     "Inform the number of the node for the study of the unsteady state!"},
    {EntryText::NoUnreadable, "Erro lendo o valor do nó!", "Error reading the value of the node!"},
    {EntryText::NoOutOfRange,
     "O número do nó deve estar entre 1 e o número N de volumes de controle estipulado!!",
     "The number of the node must be from 1 up to the number N of specified control "
     "volumes!"},

    // ---- case entry: boundary validation
    {EntryText::WestBlank, "Informe a condição de contorno em x = 0.0!",
     "Inform the boundary condition in x = 0.0!"},
    {EntryText::WestTUnreadable, "Erro lendo o valor da temperatura em x = 0.0!",
     "Error reading the value of the temperature in x = 0.0!"},
    {EntryText::WestPhiUnreadable, "Erro lendo o valor do fluxo em x = 0.0!",
     "Error reading the value of the flux in x = 0.0!"},
    {EntryText::WestConvectionIncomplete,
     "Informe os dois valores referentes à condição de contorno convectiva em x = 0.0!",
     "Inform the two values referring to the convective boundary condition in x = 0.0!"},
    {EntryText::WestHUnreadable, "Erro lendo o valor do coeficiente de convecção em x = 0.0!",
     "Error reading the value of the convective coefficient in x = 0.0!"},
    {EntryText::WestTinfUnreadable, "Erro lendo o valor da temperatura ambiente em x = 0.0!",
     "Error reading the value of the ambient temperature in x = 0.0!"},
    {EntryText::EastBlank, "Informe a condição de contorno em x = L!",
     "Inform the boundary condition in x = L!"},
    {EntryText::EastTUnreadable, "Erro lendo o valor da temperatura em x = L!",
     "Error reading the value of the temperature in x = L!"},
    {EntryText::EastPhiUnreadable, "Erro lendo o valor do fluxo em x = L!",
     "Error reading the value of the flux in x = L!"},
    {EntryText::EastConvectionIncomplete,
     "Escreva os dois valores referentes à convecção prescrita em x = L!",
     "Inform the two values referring to the convective boundary condition in x = L!"},
    {EntryText::EastHUnreadable, "Erro lendo o valor do coeficiente de convecção em x = L!",
     "Error reading the value of the convective coefficient in x = L!"},
    {EntryText::EastTinfUnreadable, "Erro lendo o valor da temperatura ambiente em x = L!",
     "Error reading the value of the ambient temperature in x = L!"},
    {EntryText::ConvectiveCoefficientNotPositive,
     "O coeficiente de convecção deve ser maior que zero!",
     "The convective coefficient must be greater than zero!"},
    {EntryText::WestRadiationIncomplete,
     "Informe os dois valores referentes à condição de contorno de radiação em x = 0.0!",
     "Inform the two values referring to the radiation boundary condition in x = 0.0!"},
    {EntryText::WestEpsUnreadable, "Erro lendo o valor da emissividade em x = 0.0!",
     "Error reading the value of the emissivity in x = 0.0!"},
    {EntryText::WestTsurUnreadable, "Erro lendo o valor da temperatura da vizinhança em x = 0.0!",
     "Error reading the value of the surroundings temperature in x = 0.0!"},
    {EntryText::EastRadiationIncomplete,
     "Informe os dois valores referentes à condição de contorno de radiação em x = L!",
     "Inform the two values referring to the radiation boundary condition in x = L!"},
    {EntryText::EastEpsUnreadable, "Erro lendo o valor da emissividade em x = L!",
     "Error reading the value of the emissivity in x = L!"},
    {EntryText::EastTsurUnreadable, "Erro lendo o valor da temperatura da vizinhança em x = L!",
     "Error reading the value of the surroundings temperature in x = L!"},
    {EntryText::EmissivityOutOfRange, "A emissividade deve ser maior que zero e no máximo 1!",
     "The emissivity must be greater than zero and at most 1!"},
    {EntryText::SurroundingsNotPositive,
     "A temperatura da vizinhança deve ser maior que zero: informe-a em kelvin!",
     "The surroundings temperature must be greater than zero: give it in kelvin!"},

    // ---- case entry: summary panel
    {EntryText::SummaryLx, "Lx = {} <= Distância O-L", "Lx = {} <= W-E distance"},
    {EntryText::SummaryN, "N = {} <= Número de volumes de controle",
     "N = {} <= Number of control volumes"},
    {EntryText::SummaryK, "K = {} <= Condutividade", "K = {} <= conductivity"},
    {EntryText::SummarySc, "Sc = {} <= Fonte Sc", "Sc = {} <= Sc source"},
    {EntryText::SummarySp, "Sp = {} <= Fonte Sp", "Sp = {} <= Sp source"},
    {EntryText::SummarySteady, "Simulação em regime permanente", "Steady state simulation"},
    {EntryText::SummaryUnsteady, "Simulação em regime transiente", "Unsteady state simulation"},
    {EntryText::SummaryGaussSidelVelocity, "Use Gauss-Sidel    u = ", "Use Gauss-Sidel    u = "},
    {EntryText::SummaryTabLuVelocity, "Use tab. LU    u = ", "Use tab. LU    u = "},
    {EntryText::SummaryTi, "Ti = {} <= Temperatura inicial", "Ti = {} <= Initial temperature"},
    {EntryText::SummaryRho, "Ro = {} <= Densidade", "Rho = {} <= Density"},
    {EntryText::SummaryCp, "Cp = {} <= Calor específico", "Cp = {} <= Specific heat"},
    {EntryText::SummaryDeltT, "Delta_t = {} <= Intervalo de tempo",
     "Delt_t = {} <= Interval of time"},
    {EntryText::SummaryNst, "Npt = {} <= Número de passos no tempo",
     "Nst = {} <= Number of steps in the time"},
    {EntryText::SummaryNo, "Acompanhamento transiente do nó {}", "Unsteady state for the node {}"},
    {EntryText::SummaryPlaceholder, "*******", "*******"},
    {EntryText::WestTemperatureLine, "Em x = 0.0:  T = {}", "In x = 0.0:  T = {}"},
    {EntryText::WestFluxLine, "Em x = 0.0:  Fi = {}", "In x = 0.0:  Phi = {}"},
    {EntryText::WestConvectionLine, "Em x = 0.0:  h = {}", "In x = 0.0:  h = {}"},
    {EntryText::EastTemperatureLine, "Em x = L:  T = {}", "In x = L:  T = {}"},
    {EntryText::EastFluxLine, "Em x = L:  Fi = {}", "In x = L:  Phi = {}"},
    {EntryText::EastConvectionLine, "Em x = L:  h = {}", "In x = L:  h = {}"},
    {EntryText::ConvectionTinfPart, "   Tinf = {}", "   Tinf = {}"},
    {EntryText::WestRadiationLine, "Em x = 0.0:  eps = {}", "In x = 0.0:  eps = {}"},
    {EntryText::EastRadiationLine, "Em x = L:  eps = {}", "In x = L:  eps = {}"},
    {EntryText::RadiationTsurPart, "   Tsur = {}", "   Tsur = {}"},
    {EntryText::SummaryCylinder, "Cilindro:  ri = {}", "Cylinder:  ri = {}"},
    {EntryText::SummarySphere, "Esfera:  ri = {}", "Sphere:  ri = {}"},
    {EntryText::WestCentreLine, "Em r = 0:  centro (sem condição)",
     "In r = 0:  centre (no condition)"},
    {EntryText::CentreWestConditionUnused,
     "Com ri = 0 o corpo é maciço: sua superfície interna é o centro, que não tem "
     "condição de contorno. A condição oeste deste caso não é usada.",
     "With ri = 0 the body is solid: its inner surface is the centre, which has no "
     "boundary condition. The west condition of this case is not used."},
    {EntryText::UnknownBodyLine,
     "A linha {} do caso, \"{}\", vem depois da velocidade mas não nomeia um corpo "
     "(plane, cylinder ou sphere): o caso é simulado como parede plana.",
     "Line {} of the case, \"{}\", follows the velocity but names no body (plane, "
     "cylinder or sphere): the case runs as a plane wall."},
};
static_assert(followsEnumeration(kEntryTexts),
              "every entry text needs exactly one row, in the order of EntryText");

constexpr Bilingual<RunText> kRunTexts[]{
    // ---- file names chosen by the language
    {RunText::DataFileName, "Dados.txt", "Data.txt"},
    {RunText::FluxFileName, "Fluxo.txt", "Flux.txt"},
    {RunText::FluxPositionFileName, "Fluxo_x_Posição.txt", "Flux_x_Position.txt"},
    {RunText::UnsteadyFileName, "Transiente.txt", "Unsteady.txt"},
    {RunText::AverageFileName, "Média.txt", "Average.txt"},
    {RunText::WestFileName, "Oeste.txt", "West.txt"},
    {RunText::EastFileName, "Leste.txt", "East.txt"},
    {RunText::SteadyFileName, "Permanente.txt", "Steady.txt"},
    {RunText::InitialEstimateFileName, "Inicial.txt", "Initial.txt"},

    // ---- loading the working case
    {RunText::MissingCase,
     "Primeiro, no menu \"Arquivo\", você tem que informar os dados referentes à "
     "simulação!",
     "First, in the \"File\" menu, you must inform the data for the simulation!"},
    {RunText::CorruptedFile, "Houve um problema na leitura! O arquivo de dados está corrompido.",
     "There is a problem in the reading! The data file is corrupted."},

    // ---- solvers
    {RunText::SweepLimitWarning,
     "Advertência: já foram realizadas 1500000 de iterações sem convergência! "
     "Gauss-Sidel será encerrado.",
     "Warning: 1500000 of iterations were already accomplished without convergence! "
     "Gauss-Sidel will be concluded."},
    {RunText::ZeroPivotWarning,
     "Advertência: um valor igual a zero foi substituído por 1.0E-10 em uma divisão!",
     "Warning: a zero value was substituted by 1.0E-10 in a division!"},

    // ---- the run
    {RunText::RangeLowQuestion, "Existem temperaturas bem menores que 0! Cancelar simulação?",
     "There is temperature smaller than 0! Cancel simulation?"},
    {RunText::RangeHighQuestion, "Existem temperaturas maiores que 10000! Cancelar simulação?",
     "There is temperature greater than 10000! Cancel simulation?"},
    {RunText::IterationNotice,
     "O termo de fonte Sp é positivo ou existe parâmetro dependente da temperatura. \n"
     "Então a busca pelo regime permanente será iterativa e pode demorar!",
     "The Sp source term is positive or there is parameter dependent of the "
     "temperature. \n"
     "Then the steady state search will be by iteration and it can delay!"},
    {RunText::NonConvergenceNotice,
     "A simulação foi refeita 1000 vezes e pode não ter havido convergência para o "
     "regime permanente! Simule o regime transiente.",
     "The simulation was performed 1000 times and maybe have not had convergence for "
     "the steady state! Simulate the unsteady state."},
    {RunText::RadiatingFaceNotPositive,
     "A temperatura de uma face com radiação chegou a zero ou menos! Com radiação, "
     "informe todas as temperaturas do caso em kelvin.",
     "The temperature of a radiating face fell to zero or below! With radiation, give "
     "every temperature of the case in kelvin."},
    {RunText::IncludeSteadyQuestion,
     "       Você quer incluir informações sobre o regime permanente? \n"
     "\n"
     "Se você responder \"Não\" as informações do último passo no tempo \n"
     "serão colocadas no lugar das informações do regime permanente.",
     "       Do you want to include information on the steady state? \n"
     "\n"
     "If you answer \"No\" the information of the last step in the time will \n"
     "be placed in the place of the information of the steady state."},
    {RunText::StepsTimeLabel, "    Passos", "Steps - time"},
    {RunText::WaitLabel, "    Espere", "      Wait"},
    {RunText::SteadyStateLabel, "Reg. permanente", "   Steady State"},
    {RunText::GaussSidelLabel, "  Gauss-Sidel", "  Gauss-Sidel"},
    {RunText::CdsLabel, "  CDS", "  CDS"},
    {RunText::UpwindLabel, " Upwind", " Upwind"},
    {RunText::ProfileGaussSidelTitle, "Perfil (Gauss-Sidel)", "Profile (Gauss-Sidel)"},
    {RunText::ProfileTabLuTitle, "Perfil (Tab. LU)", "Profile (Tab. LU)"},
    {RunText::BlueSteadyStateLegend, "Azul: r. permanente", "Blue: steady state"},
    {RunText::ElapsedTimeIn, "Em", "In"},
    {RunText::ElapsedTimeSeconds, "  s", "  s"},
    {RunText::SchemeGroupCaption, "Problema Difusivo-Convectivo", "Diffusion-Convection Problem"},
    {RunText::PecletSuffix, "  <= Peclet", "  <= Peclet"},

    // ---- initial estimate editing
    {RunText::EstimateOffer,
     "Este software já estimou valores iniciais para a temperatura, requeridos pelo "
     "Gauss-Sidel. Quer modificar os valores?",
     "This software already esteemed initial values for the temperature, requested by "
     "Gauss-Sidel. Do you want to modify the values?"},
    {RunText::EstimateReadError, "Existe um erro na leitura do arquivo modificado. Quer corrigir?",
     "There was a error in the reading of the modified file. Do you want to correct?"},
    {RunText::EstimateCancelled, "A modificação de valores foi cancelada!",
     "The modification of values was canceled!"},
    {RunText::EstimateNodeLabel, " <= Nó", " <= Node"},

    // ---- result files
    {RunText::SteadyTitle, "Regime permanente unidimensional", "One-dimensional steady state"},
    {RunText::SteadyWarning,
     "Atenção: assegure-se que o regime permanente unidimensional foi atingido!",
     "Attention: make sure that the one-dimensional steady state was reached!"},
    {RunText::SteadyColumns, " Posição x       Temperatura", "Position x       Temperature"},
    {RunText::SteadyRadiusColumns, " Raio r          Temperatura", "Radius r         Temperature"},
    {RunText::NodeHistoryHeading, "Transiente unidimensional do nó ",
     "One-dimensional unsteady state node "},
    {RunText::TimeTemperatureColumns, "  Tempo         Temperatura", "   Time         Temperature"},
    {RunText::AverageHistoryHeading, "Temperatura média no domínio",
     "Average temperature in the domain"},
    {RunText::AverageColumns, "  Tempo        Temperatura média",
     "   Time        Average temperature"},
    {RunText::WestHistoryHeading, "Transiente unidimensional do contorno oeste (x = 0.0)",
     "One-dimensional unsteady of the west boundary (x = 0.0)"},
    {RunText::EastHistoryHeading, "Transiente unidimensional do contorno leste (x = L)",
     "One-dimensional unsteady of the east boundary (x = L)"},
    {RunText::InnerSurfaceHistoryHeading,
     "Transiente unidimensional da superfície interna (r = ri)",
     "One-dimensional unsteady of the inner surface (r = ri)"},
    {RunText::OuterSurfaceHistoryHeading,
     "Transiente unidimensional da superfície externa (r = ro)",
     "One-dimensional unsteady of the outer surface (r = ro)"},
    {RunText::InspectionName, " Nome: ", " Name: "},
    {RunText::InspectionPurpose, "Este arquivo é apenas para propósitos de inspeção dos dados!",
     "This file is just for inspection purpose!"},
    {RunText::InspectionLx, " <= Distância Lx (oeste-leste)", " <= Distance Lx (west-east)"},
    {RunText::InspectionRadialLx, " <= Distância Lx (de ri a ro)", " <= Distance Lx (ri to ro)"},
    {RunText::InspectionN, " <= Número de volumes de controle", " <= Number of control volumes"},
    {RunText::InspectionK, " <= Condutividade", " <= Condutivity"},
    {RunText::InspectionSc, " <= Termo fonte Sc (S = Sp*T+Sc)", " <= Sc Source term (S = Sp*T+Sc)"},
    {RunText::InspectionSp, " <= Termo fonte Sp (S = Sp*T+Sc)", " <= Sp Source term (S = Sp*T+Sc)"},
    {RunText::InspectionState, " <= Regime da simulação: 1 é permanente, 2 é transiente",
     " <= State of simulation: 1 is steady, 2 is unsteady"},
    {RunText::InspectionMethod, " <= Método: 1 é Gauss-Sidel, 2 é Tab. LU",
     " <= Method: 1 is Gauss-Sidel, 2 is Tab. LU"},
    {RunText::InspectionTi, " <= Temperatura inicial", " <= Initial temperature"},
    {RunText::InspectionRho, " <= Densidade", " <= Density"},
    {RunText::InspectionCp, " <= Calor específico", " <= Specific heat"},
    {RunText::InspectionDeltT, " <= Intervalo de tempo", " <= Interval of time"},
    {RunText::InspectionNst, " <= Número de passos no tempo", " <= Number of steps in the time"},
    {RunText::InspectionNo, " <= Nó para acompanhar o transiente",
     " <= Unsteady state for the node"},
    {RunText::InspectionBoundaryType,
     " <= Tipo de cond. de contorno: 1 é temp., 2 é fluxo, 3 é convecção",
     " <= Type of boundary cond.: 1 is temp., 2 is flux, 3 is convection"},
    {RunText::InspectionBoundaryTypeRadiation,
     " <= Tipo de cond. de contorno: 1 é temp., 2 é fluxo, 3 é convecção, 4 é radiação",
     " <= Type of boundary cond.: 1 is temp., 2 is flux, 3 is convection, 4 is radiation"},
    {RunText::InspectionWestTemperature, " <= Condição de contorno oeste: temperatura em x = 0.0",
     " <= West boundary condition: temperature in x = 0.0"},
    {RunText::InspectionWestFlux, " <= Condição de contorno oeste: fluxo em x = 0.0",
     " <= West boundary condition: flux in x = 0.0"},
    {RunText::InspectionWestConvective, " <= Cond. de contorno oeste: Coef. convectivo em x = 0.0",
     " <= West boundary cond.: Convective coefficient in x = 0.0"},
    {RunText::InspectionWestTinf, " <= Condição de contorno oeste: T inf. em x = 0.0",
     " <= West boundary condition: T inf. in x = 0.0"},
    {RunText::InspectionEastTemperature, " <= Condição de contorno leste: temperatura em x = L",
     " <= East boundary condition: temperature in x = L"},
    {RunText::InspectionEastFlux, " <= Condição de contorno leste: fluxo em x = L",
     " <= East boundary condition: flux in x = L"},
    {RunText::InspectionEastConvective, " <= Cond. de contorno leste: Coef. convectivo em x = L",
     " <= East boundary cond.: Convective coefficient in x = L"},
    {RunText::InspectionEastTinf, " <= Condição de contorno leste: T inf. em x = L",
     " <= East boundary condition: T inf. in x = L"},
    {RunText::InspectionInnerTemperature,
     " <= Condição na superfície interna: temperatura em r = ri",
     " <= Inner surface condition: temperature in r = ri"},
    {RunText::InspectionInnerFlux, " <= Condição na superfície interna: fluxo em r = ri",
     " <= Inner surface condition: flux in r = ri"},
    {RunText::InspectionInnerConvective,
     " <= Cond. na superfície interna: Coef. convectivo em r = ri",
     " <= Inner surface cond.: Convective coefficient in r = ri"},
    {RunText::InspectionInnerTinf, " <= Condição na superfície interna: T inf. em r = ri",
     " <= Inner surface condition: T inf. in r = ri"},
    {RunText::InspectionOuterTemperature,
     " <= Condição na superfície externa: temperatura em r = ro",
     " <= Outer surface condition: temperature in r = ro"},
    {RunText::InspectionOuterFlux, " <= Condição na superfície externa: fluxo em r = ro",
     " <= Outer surface condition: flux in r = ro"},
    {RunText::InspectionOuterConvective,
     " <= Cond. na superfície externa: Coef. convectivo em r = ro",
     " <= Outer surface cond.: Convective coefficient in r = ro"},
    {RunText::InspectionOuterTinf, " <= Condição na superfície externa: T inf. em r = ro",
     " <= Outer surface condition: T inf. in r = ro"},
    {RunText::InspectionWestEps, " <= Condição de contorno oeste: emissividade em x = 0.0",
     " <= West boundary condition: emissivity in x = 0.0"},
    {RunText::InspectionWestTsur, " <= Condição de contorno oeste: T viz. em x = 0.0",
     " <= West boundary condition: T sur. in x = 0.0"},
    {RunText::InspectionEastEps, " <= Condição de contorno leste: emissividade em x = L",
     " <= East boundary condition: emissivity in x = L"},
    {RunText::InspectionEastTsur, " <= Condição de contorno leste: T viz. em x = L",
     " <= East boundary condition: T sur. in x = L"},
    {RunText::InspectionInnerEps, " <= Condição na superfície interna: emissividade em r = ri",
     " <= Inner surface condition: emissivity in r = ri"},
    {RunText::InspectionInnerTsur, " <= Condição na superfície interna: T viz. em r = ri",
     " <= Inner surface condition: T sur. in r = ri"},
    {RunText::InspectionOuterEps, " <= Condição na superfície externa: emissividade em r = ro",
     " <= Outer surface condition: emissivity in r = ro"},
    {RunText::InspectionOuterTsur, " <= Condição na superfície externa: T viz. em r = ro",
     " <= Outer surface condition: T sur. in r = ro"},
    {RunText::InspectionVelocity, " <= Velocidade do meio", " <= Velocity of the domain"},
    {RunText::InspectionCylinder, " <= Cilindro: raio interno ri", " <= Cylinder: inner radius ri"},
    {RunText::InspectionSphere, " <= Esfera: raio interno ri", " <= Sphere: inner radius ri"},
    {RunText::FluxPositionTitle, "Regime permanente unidimensional: Fluxo versus posição",
     "One-dimensional steady state: Flux versus Position"},
    {RunText::FluxPositionColumns, " Posição x          Fluxo", "Position x          Flux"},
    {RunText::FluxRadiusColumns, " Raio r             Fluxo", "Radius r            Flux"},
    {RunText::FluxVolumesTitle, "Regime permanente unidimensional: Fluxos nos volumes de controle",
     "One-dimensional steady state: Flux in the control volumes"},
    {RunText::FluxSignNote, "     (Positivo: p/ leste - Negativo: p/ oeste)",
     "    (Positive: to east - Negative: to west)"},
    {RunText::FluxRadialSignNote, "     (Positivo: p/ fora - Negativo: p/ dentro)",
     "    (Positive: outward - Negative: inward)"},
    {RunText::FluxVolumesColumns, " Fluxo oeste       Fluxo leste     Volume",
     " West flux         East flux       Volume"},
    {RunText::FluxVolumesRadialColumns, " Fluxo interno     Fluxo externo   Volume",
     " Inner flux        Outer flux      Volume"},
    {RunText::InspectFilesQuestion,
     "A simulação foi concluída. Quer inspecionar os arquivos gerados agora?",
     "The simulation was ended. Do you want to inspect the files generated now?"},
    {RunText::SteadyOnlyLine, "O regime simulado é permanente!",
     "The simulation is for steady state!"},

    // ---- the run: files that cannot be written, no experimental point
    {RunText::FileWriteFailed,
     "Não foi possível gravar o arquivo \"{}\"! Verifique se a pasta do programa permite "
     "gravação e se há espaço no disco.",
     "The file \"{}\" could not be written! Check that the program's folder may be "
     "written to and that the disk is not full."},
    {RunText::FilesIncomplete,
     "Estes arquivos de resultados estão incompletos ou não foram gravados: {}. Não "
     "use o que eles contêm.",
     "These result files are incomplete or were not written: {}. Do not use what they "
     "hold."},
    {RunText::HistoriesExceedDisk,
     "Os arquivos de histórico desta simulação ocuparão cerca de {}, e o disco da "
     "pasta do programa tem {} livres. Simular assim mesmo?",
     "The history files of this run will take about {}, and the disk of the program's "
     "folder has {} free. Run it anyway?"},
    {RunText::NoExperimentalPoints, "nenhum ponto experimental foi encontrado em \"Exp.txt\"",
     "no experimental point was found in \"Exp.txt\""},

    // ---- checking a result
    {RunText::MenuCompareExact, "Comparar com a solução e&xata",
     "Compare with the e&xact solution"},
    {RunText::MenuEnergyBalance, "&Balanço de Energia", "Energy &Balance"},
    {RunText::ExactFileName, "Exata.txt", "Exact.txt"},
    {RunText::BalanceFileName, "Balanço.txt", "Balance.txt"},
    {RunText::ExactTitle, "Regime permanente unidimensional: temperaturas numéricas e exatas",
     "One-dimensional steady state: numerical and exact temperatures"},
    {RunText::ExactColumns, " Posição x     T numérica        T exata        Diferença",
     "Position x    Numerical T        Exact T       Difference"},
    {RunText::ExactRadiusColumns, " Raio r        T numérica        T exata        Diferença",
     "Radius r      Numerical T        Exact T       Difference"},
    {RunText::ExactLargest, "Maior diferença: {}", "Largest difference: {}"},
    {RunText::ExactRms, "Diferença média quadrática: {}", "Root mean square difference: {}"},
    {RunText::ExactNeedsConstants,
     "A solução exata pede propriedades constantes: K, Sc e Sp (e Ro e Cp quando a "
     "velocidade não é zero) devem ser números.",
     "The exact solution needs constant properties: K, Sc and Sp (and Rho and Cp "
     "when the velocity is not zero) must be numbers."},
    {RunText::ExactNeedsAPhysicalCase,
     "A solução exata pede Lx, K e h maiores que zero, um raio interno zero ou maior e "
     "valores finitos.",
     "The exact solution needs Lx, K and h greater than zero, an inner radius of zero "
     "or more, and finite values."},
    {RunText::ExactRadialNeedsNoFlow,
     "Num cilindro ou numa esfera a solução exata pede velocidade zero.",
     "In a cylinder or a sphere the exact solution needs a velocity of zero."},
    {RunText::ExactNoSteadyState,
     "Com fluxo prescrito nos dois contornos e sem sumidouro não há regime permanente "
     "único: não há solução exata.",
     "With a flux prescribed at both boundaries and no sink there is no single steady "
     "state: there is no exact solution."},
    {RunText::ExactNotUnique,
     "As condições de contorno não fixam uma única solução (ressonância com Sp "
     "positivo): não há solução exata.",
     "The boundary conditions do not fix a single solution (resonance with a positive "
     "Sp): there is no exact solution."},
    {RunText::ExactTooLarge, "A solução exata deste caso é grande demais para ser calculada.",
     "The exact solution of this case is too large to be computed."},
    {RunText::ExactNeedsLinearEnds,
     "A solução exata aceita temperatura, fluxo e convecção nas extremidades; uma face "
     "com radiação não tem solução exata aqui.",
     "The exact solution takes temperature, flux and convection at the ends; a radiating "
     "face has no exact solution here."},
    {RunText::ExactNeedsSteadyProfile,
     "A solução exata é a do regime permanente: simule o regime permanente, ou inclua-o "
     "no fim da simulação transiente.",
     "The exact solution is that of the steady state: simulate the steady state, or "
     "include it at the end of the unsteady simulation."},
    {RunText::BalanceHeading,
     "Balanço de energia da última solução, em {} (positivo o calor que entra no "
     "corpo): {}",
     "Energy balance of the last solution, in {} (heat entering the body is "
     "positive): {}"},
    {RunText::BalanceVerdict,
     "o resíduo é {} do maior termo, dentro do limite de {}: o balanço fecha",
     "the residual is {} of the largest term, within the limit of {}: balanced"},
    {RunText::BalanceNotBalanced,
     "o resíduo é {} do maior termo, acima do limite de {}: o balanço NÃO fecha, "
     "não confie nestes resultados",
     "the residual is {} of the largest term, above the limit of {}: NOT BALANCED, "
     "do not trust these results"},
    {RunText::BalanceLinearLimit, "1.0E-06 de um caso linear resolvido diretamente",
     "1.0E-06 for a linear case solved directly"},
    {RunText::BalanceIteratedLimit,
     "1.0E-03 de um caso resolvido por iteração (propriedades ou fonte que dependem "
     "de T, fonte linearizada ou Gauss-Sidel)",
     "1.0E-03 for a case solved by iteration (properties or source that depend on T, "
     "a linearised source or Gauss-Sidel)"},
    {RunText::BalanceWestConduction, " <= Face oeste: calor que entra por condução",
     " <= West face: heat entering by conduction"},
    {RunText::BalanceWestConvection, " <= Face oeste: calor trazido pelo escoamento",
     " <= West face: heat carried in by the flow"},
    {RunText::BalanceEastConduction, " <= Face leste: calor que entra por condução",
     " <= East face: heat entering by conduction"},
    {RunText::BalanceEastConvection, " <= Face leste: calor trazido pelo escoamento",
     " <= East face: heat carried in by the flow"},
    {RunText::BalanceInnerConduction, " <= Superfície interna: calor que entra por condução",
     " <= Inner surface: heat entering by conduction"},
    {RunText::BalanceInnerConvection, " <= Superfície interna: calor trazido pelo escoamento",
     " <= Inner surface: heat carried in by the flow"},
    {RunText::BalanceOuterConduction, " <= Superfície externa: calor que entra por condução",
     " <= Outer surface: heat entering by conduction"},
    {RunText::BalanceOuterConvection, " <= Superfície externa: calor trazido pelo escoamento",
     " <= Outer surface: heat carried in by the flow"},
    {RunText::BalanceGenerated, " <= Calor gerado pela fonte", " <= Heat generated by the source"},
    {RunText::BalanceStored, " <= Calor armazenado no último passo de tempo",
     " <= Heat stored in the last time step"},
    {RunText::BalanceResidual, " <= Resíduo: entra + gerado - armazenado",
     " <= Residual: entering + generated - stored"},
    {RunText::BalanceRelativeResidual, " <= Resíduo dividido pelo maior termo",
     " <= Residual divided by the largest term"},
};
static_assert(followsEnumeration(kRunTexts),
              "every run text needs exactly one row, in the order of RunText");

constexpr Bilingual<GraphText> kGraphTexts[]{
    // ---- graph pane and time graphs
    {GraphText::ScaleGroupCaption, "Valores para definição da escala",
     "Values for definition of the scale"},
    {GraphText::ScaleReadingError, "Houve um erro na leitura! Por favor informe novamente.",
     "There is a error in the reading! Please inform again."},
    {GraphText::ScaleRangeError,
     "ymax tem que ser maior ou igual a ymin! Por favor informe novamente.",
     "ymax must to be larger or equal to the ymin! Please inform again."},
    {GraphText::TimeGraphGroup, "Sobre o gráfico:  Temperatura versus Tempo",
     "About the graph:  Temperature versus Time"},
    {GraphText::TimeGraphNodeOption,
     "Desenhar gráfico  \" T x t \" para o transiente do nó escolhido",
     "Draw graph  \" T x t \"  for the unsteady state of the chosen node"},
    {GraphText::TimeGraphAverageOption,
     "Desenhar gráfico  \" T x t \" para a temperatura média do domínio",
     "Draw graph  \" T x t \"  for the average temperature of the domain"},
    {GraphText::TimeGraphExperimentalCheck, "Incluir dados experimentais no gráfico",
     "Include experimental data on the graph"},
    {GraphText::ExperimentalHelpLine1, "   Atenção:", "  Attention:"},
    {GraphText::ExperimentalHelpLine2,
     "    Você tem que colocar os dados experimentais (tempo, temperatura), em colunas,",
     "   You must put experimental data (time, temperature), in columns, referring to"},
    {GraphText::ExperimentalHelpLine3,
     "     em um arquivo chamado  \" Exp.txt \"  dentro do diretório deste software.",
     "   the graph in a file called  \" Exp.txt \"  inside of the directory of this "
     "software."},
    {GraphText::UnsteadyNodeTitle, "Transiente do nó ", "Unsteady node "},
    {GraphText::UnsteadyAverageTitle, "Transiente da temperatura média",
     "Unsteady average temperature"},
    {GraphText::StandardDeviation, "\"Desvio Padrão\" = ", "\"Standard Deviation\" = "},

    // ---- dialog templates: window titles and captions alike in both languages
    {GraphText::GeneralStepWindowTitle, "Calorvia - General Information",
     "Calorvia - General Information"},
    {GraphText::TransientStepWindowTitle, "Calorvia - Unsteady State (or convective problem)",
     "Calorvia - Unsteady State (or convective problem)"},
    {GraphText::WestBoundaryWindowTitle, "Calorvia - West Boundary", "Calorvia - West Boundary"},
    {GraphText::EastBoundaryWindowTitle, "Calorvia - East Boundary", "Calorvia - East Boundary"},
    {GraphText::ToleranceWindowTitle, "Calorvia - Tolerance", "Calorvia - Tolerance"},
    {GraphText::ScaleWindowTitle, "Calorvia - Dynamic Graph", "Calorvia - Dynamic Graph"},
    {GraphText::TimeGraphWindowTitle, "Calorvia - Unsteady State Graph",
     "Calorvia - Unsteady State Graph"},
    {GraphText::PortugueseOption, "Português", "Português"},
    {GraphText::EnglishOption, "English", "English"},
    {GraphText::ToleranceLabel, "Tol  = ", "Tol  = "},
    {GraphText::CdsOption, "CDS", "CDS"},
    {GraphText::UpwindOption, "Upwind", "Upwind"},
    {GraphText::TminLabel, "Tmin = ", "Tmin = "},
    {GraphText::TmaxLabel, "Tmax = ", "Tmax = "},
    {GraphText::BlankHelpLine, " ", " "},
};
static_assert(followsEnumeration(kGraphTexts),
              "every graph text needs exactly one row, in the order of GraphText");

template <class Id, std::size_t N>
std::string_view inLanguage(const Bilingual<Id> (&rows)[N], std::size_t index, Language language) {
    if (index >= N) return {};
    return language == Language::Portuguese ? rows[index].portuguese : rows[index].english;
}

}  // namespace

std::string_view textFor(Text text, Language language) {
    switch (text.area()) {
        case Text::Area::Common:
            return inLanguage(kCommonTexts, text.index(), language);
        case Text::Area::Shell:
            return inLanguage(kShellTexts, text.index(), language);
        case Text::Area::Entry:
            return inLanguage(kEntryTexts, text.index(), language);
        case Text::Area::Run:
            return inLanguage(kRunTexts, text.index(), language);
        case Text::Area::Graph:
            return inLanguage(kGraphTexts, text.index(), language);
    }
    return {};
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
