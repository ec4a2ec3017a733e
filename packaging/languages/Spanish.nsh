LangString FinishRunText ${LANG_SPANISH} "Ejecutar ${PRODUCT} al iniciar sesión"
LangString FinishShowReadmeText ${LANG_SPANISH} "Ejecutar ${PRODUCT} ahora"
LangString ClosingRunningText ${LANG_SPANISH} "Cerrando ${PRODUCT}, que está en ejecución"
LangString RemoveSettingsQuestion ${LANG_SPANISH} "¿Quitar también tu configuración de ${PRODUCT} y la lista de la cuenta atrás?$\r$\n$\r$\nElige No para conservarlas para una instalación posterior."
