LangString FinishRunText ${LANG_SIMPCHINESE} "登录时启动 ${PRODUCT}"
LangString FinishShowReadmeText ${LANG_SIMPCHINESE} "立即运行 ${PRODUCT}"
LangString ClosingRunningText ${LANG_SIMPCHINESE} "正在关闭运行中的 ${PRODUCT}"
LangString RemoveSettingsQuestion ${LANG_SIMPCHINESE} "是否同时删除 ${PRODUCT} 设置和倒计时列表？$\r$\n$\r$\n选择“否”可保留它们，供以后安装时使用。"
