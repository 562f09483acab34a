#include "cli/arguments.h"

namespace tt::cli {

const char* const kUsage =
    "Uso: transtaleno-cli [--vtemp CARPETA_DE_TRABAJO] exportar CARPETA\n"
    "     transtaleno-cli [--vtemp CARPETA_DE_TRABAJO] importar CARPETA\n"
    "\n"
    "  exportar CARPETA  convierte los ficheros TXT de GEPA de CARPETA en las tablas\n"
    "                    de Vestrano (ASIGNOMT, PROFT, AULAT, GRUPOST, ASIGT, DIASHORAST)\n"
    "  importar CARPETA  escribe CARPETA/GEPA_HORARIO.TXT con el horario de la tabla SOLUC\n"
    "  --vtemp DIR       carpeta de trabajo de Vestrano; si no se da, la variable de\n"
    "                    entorno VTEMP o, en su defecto, C:\\VTEMP de Wine\n"
    "  --tiempos         a\xF1" "ade a cada l\xEDnea de resumen el tiempo que llev\xF3\n"
    "  --help            muestra esta ayuda\n"
    "\n"
    "Los mensajes salen por la salida de errores, uno por l\xEDnea; por la salida normal,\n"
    "una l\xEDnea por tabla escrita con su n\xFAmero de registros.\n"
    "Estado de salida: 0 proceso terminado correctamente; 1 proceso terminado con\n"
    "ficheros que faltan, o la carpeta no existe; 2 un error detuvo el proceso;\n"
    "64 uso incorrecto.\n";

Arguments parseArguments(const std::vector<std::string>& args)
{
    Arguments parsed;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return Arguments{};
        if (arg == "--vtemp") {
            if (i + 1 == args.size())
                throw UsageError{"falta la carpeta tras --vtemp"};
            parsed.vtemp = args[++i];
        } else if (arg == "--tiempos") {
            parsed.tiempos = true;
        } else if (arg.rfind("--vtemp=", 0) == 0) {
            parsed.vtemp = arg.substr(8);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"opci\xF3n desconocida: " + arg};
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() != 2)
        throw UsageError{"se esperan una orden y una carpeta"};
    if (words[0] == "exportar")
        parsed.command = Command::Exportar;
    else if (words[0] == "importar")
        parsed.command = Command::Importar;
    else
        throw UsageError{"orden desconocida: " + words[0]};
    parsed.carpeta = words[1];
    return parsed;
}

}  // namespace tt::cli
