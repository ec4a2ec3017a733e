LangString FinishRunText ${LANG_FRENCH} "Lancer ${PRODUCT} à la connexion"
LangString FinishShowReadmeText ${LANG_FRENCH} "Lancer ${PRODUCT} maintenant"
LangString ClosingRunningText ${LANG_FRENCH} "Fermeture de ${PRODUCT} en cours d'exécution"
LangString RemoveSettingsQuestion ${LANG_FRENCH} "Supprimer aussi vos paramètres ${PRODUCT} et la liste du compte à rebours ?$\r$\n$\r$\nChoisissez Non pour les conserver en vue d'une installation ultérieure."
