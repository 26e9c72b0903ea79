#include "window/error_report.h"

#include "common/errors.h"
#include "common/text_encoding.h"

namespace tarnix {
namespace {

const std::vector<std::string> kConversionLogLines = {
    "Converting ERROR: ",
    "Decimal separator installed as \",\" (comma)",
    "It is necessary to change it on \".\" (spot)",
    "(Control Panel -> Language and Standards -> Digit)",
    " ",
    "Ошибка конвертации: ",
    "Разделитель дробной и целой части, по видимому, установлен как \",\" (запятая)",
    "Вам необходимо заменить ее на \".\" (точка)",
    "(Панель управления -> Язык и стандарты -> Числа)",
};

}  // namespace

ErrorReport reportFor(const std::exception& error)
{
    const std::string message = decodeProgramText(error.what());
    ErrorReport report;
    if (dynamic_cast<const InputOutputError*>(&error) != nullptr) {
        report.boxText = "Файловая ошибка: " + message;
    } else if (dynamic_cast<const ConversionError*>(&error) != nullptr) {
        report.boxText = "Converting ERROR: " + message;
        report.clearsLog = true;
        report.logLines = kConversionLogLines;
    } else if (dynamic_cast<const FileOpenError*>(&error) != nullptr) {
        report.boxText = "Ошибка открытия файла: " + message;
    } else if (dynamic_cast<const FileCreateError*>(&error) != nullptr) {
        report.boxText = "Получено сообщение:" + message + "\n\r" +
                         "Ошибка открытия файла для записи: " + "\n\r" +
                         "Возможно файл уже открыт для фрезерования или визуализации" + "\n\r" +
                         "Запись станет возможна только после их завершения";
    } else {
        report.boxText = "Нераспознанная ошибка! " + message;
    }
    return report;
}

ErrorReport reportForUnknown()
{
    return ErrorReport{"Нераспознанная ошибка! ", false, {}};
}

}  // namespace tarnix
