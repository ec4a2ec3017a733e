LangString FinishRunText ${LANG_RUSSIAN} "Запускать ${PRODUCT} при входе в систему"
LangString FinishShowReadmeText ${LANG_RUSSIAN} "Запустить ${PRODUCT} сейчас"
LangString ClosingRunningText ${LANG_RUSSIAN} "Закрытие работающей программы ${PRODUCT}"
LangString RemoveSettingsQuestion ${LANG_RUSSIAN} "Удалить также параметры ${PRODUCT} и список обратного отсчета?$\r$\n$\r$\nНажмите «Нет», чтобы сохранить их для следующей установки."
