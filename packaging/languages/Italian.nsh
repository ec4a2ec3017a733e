LangString FinishRunText ${LANG_ITALIAN} "Avvia ${PRODUCT} all'accesso"
LangString FinishShowReadmeText ${LANG_ITALIAN} "Esegui ${PRODUCT} ora"
LangString ClosingRunningText ${LANG_ITALIAN} "Chiusura di ${PRODUCT} in esecuzione"
LangString RemoveSettingsQuestion ${LANG_ITALIAN} "Rimuovere anche le impostazioni e l'elenco del conto alla rovescia di ${PRODUCT}?$\r$\n$\r$\nScegli No per conservarli per una futura installazione."
