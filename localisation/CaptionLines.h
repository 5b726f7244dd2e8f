#pragma once

// The lines of the caption table the editor reads. Lines 0 to 46 are never read.

#include <array>

namespace ostrak {

struct StartupCaption {
  int line;
  const char* control;        // the control whose caption the line replaces
  const char* designCaption;  // what it shows without a caption table (Windows-1252)
};

// Applied once at start-up, in this order.
inline constexpr std::array<StartupCaption, 32> kStartupCaptions = {{
    {47, "edNombre", "Nombre completo"},
    {48, "edNombreCorto", "Nombre com\xFAn"},
    {49, "edEstatura", "Estatura"},
    {50, "edPeso", "Peso"},
    {51, "lbNacionalidad", "Nacionalidad"},
    {52, "lbFechaNac", "Fecha de nacimiento"},
    {53, "Label2", "Pu\xF1os"},
    {54, "Label3", "Patadas"},
    {55, "Label4", "Fuerza"},
    {56, "Label5", "Agarres"},
    {57, "Label6", "Agilidad"},
    {58, "Label7", "Esquiva"},
    {59, "Label8", "Motivaci\xF3n"},
    {60, "Label9", "Derribo"},
    {61, "Label10", "Def contra derribos"},
    {62, "Label11", "Ground'n'Pound"},
    {63, "Suelo", "Suelo"},
    {64, "Label12", "Sometimiento"},
    {65, "Label13", "Def contra sometiento"},
    {66, "Label14", "Fondo"},
    {67, "Label15", "Resistencia"},
    {68, "Label16", "Ritmo"},
    {69, "Label17", "Agresividad"},
    {70, "Label18", "Resistencia al KO"},
    {71, "Label19", "Estrategia"},
    {72, "Label1", "Categoria"},
    {73, "NavPanelButton4", "Limpiar todo"},
    {74, "NavPanelButton2", "Cargar Luchador"},
    {75, "NavPanelButton1", "Guardar Luchador"},
    {76, "NavPanelButton3", "Salir"},
    {77, "edSherdog", "ID Sherdog"},
    {78, "NavPanelButton5", "Evaluar"},
}};

// The Evaluate button at start-up; the evaluation window's title each time it is shown.
constexpr int kCaptionEvaluate = 78;
// The bar labels, in bar order: Ground, Striking, Defense, Fitness, Mental, Overall.
inline constexpr std::array<int, 6> kCaptionBars = {79, 80, 81, 82, 83, 84};
// The save command's messages.
constexpr int kCaptionMissingFieldsText = 85;
constexpr int kCaptionMissingFieldsTitle = 86;
constexpr int kCaptionSavedText = 87;
constexpr int kCaptionSavedTitle = 88;

// A caption table needs at least this many lines.
constexpr int kCaptionTableMinLines = 89;

// What the editor shows for a line it needs after start-up when the caption
// table lacks it: the design-time caption of lines 78 to 84, and Spanish
// texts of its own for the save messages, which have none (Windows-1252).
inline constexpr std::array<const char*, 11> kDefaultLateCaptions = {
    "Evaluar",
    "Ground",
    "Striking",
    "Defense",
    "Fitness",
    "Mental",
    "Overall",
    "Debe rellenar el nombre completo, el nombre com\xFAn, la categor\xED"
    "a, la estrategia y el ID Sherdog",
    "Faltan datos",
    "El luchador se ha guardado correctamente",
    "Luchador guardado",
};
constexpr int kFirstLateCaption = kCaptionEvaluate;

}  // namespace ostrak
