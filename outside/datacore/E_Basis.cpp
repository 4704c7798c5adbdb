#include "outside/datacore/E_Basis.h"

E_Basis::E_Basis(int code, std::string message, std::string context, std::string sourceFile, int line,
                 std::string className)
    : Code(code),
      Message(std::move(message)),
      Context(std::move(context)),
      SourceFile(std::move(sourceFile)),
      Line(line),
      ClassName(std::move(className))
{
}
