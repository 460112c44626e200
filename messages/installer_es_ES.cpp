// Spanish texts of the installer messages: program name, help pages, wizard, progress and status texts.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail", "Ejemplos:\n  Mostrar los productos disponibles:\n    list\n  Mostrar las releases de Zarni más recientes con los niveles predeterminados:\n    list %1%\n  Mostrar todas las releases de Zarni disponibles:\n    list %1% all\n  Mostrar la release preliminar más reciente de Zarni (con el nivel 'testing'):\n    list %1% testing\n  Mostrar los componentes de Zarni %2% (por ID de producto y versión):\n    list %1% %2% --components\n  Mostrar los presets de instalación de Zarni %2% (por ID de release):\n    list %3% --presets\n"},
    {"usage_cmd_install_tail", "Ejemplos:\n  Instalar el conjunto recomendado de componentes de la release más reciente\n  de Zarni disponible para el público general:\n    install\n  Instalar la release preliminar más reciente de Zarni:\n    install testing\n  Instalar Zarni %2% (seleccionado por versión):\n    install %1% %2%\n  Instalar el conjunto completo de componentes de Zarni sin soporte de Java ni\n  el webmail Horde (release seleccionada por ID):\n    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail", "Ejemplos:\n  Actualizar a Zarni %2% (seleccionado por ID de producto y versión):\n    upgrade %1% %2%\n  Actualizar a Zarni %2% (seleccionado por ID de release):\n    upgrade %3%\n  Actualizar a la release estable de Zarni más reciente:\n    upgrade %1% stable\n"},
    {"usage_cmd_update_tail", "Ejemplos:\n  Instalar las actualizaciones más recientes de todos los productos instalados:\n    update\n  Actualizar la instalación de Zarni:\n    update %1%\n  Instalar solo las actualizaciones de Zarni, sin actualizar otros servicios\n  gestionados por Zarni si es posible (solo para el producto '%1%'):\n    update --panel-only\n"},
    {"usage_selector", "Cada SELECTOR es uno de los siguientes:\n  ID de producto,     p. ej. '%1%'\n  nivel de release,   p. ej. 'stable' o 'all' para no filtrar por nivel\n  versión de release, p. ej. '%2%'\n  ID de release,      p. ej. '%3%'\n\nUtilice el comando 'list' para comprobar qué selectores son válidos.\n"},
    {"usage_product", "PRODUCT es un selector de ID de producto, p. ej. '%1%'.\nUtilice el comando 'list' para comprobar qué ID de producto son válidos.\n"},
    {"download_file", "Descargando el archivo "},
    {"download_total_progress", "(%s de %s) "},
    {"download_retry_progress", " (reintento %s de %s)"},
    {"download_retry", "%s. Se reintentará dentro de %s segundo(s)..."},
    {"progress_stage_init", "Zarni Installer se ha iniciado"},
    {"progress_stage_prep", "Preparando el sistema"},
    {"progress_stage_resolv", "Resolviendo paquetes"},
    {"progress_stage_download", "Descargando paquetes"},
    {"dpkg_register_new_arch", "Registrando el soporte de la arquitectura %s"},
    {"examine_unpassed", "La validación de los componentes y del producto ha detectado al menos un problema importante:"},
    {"examine_post_results", "Resultados de la comprobación de los componentes y del producto:"},
    {"examine_signal", "La comprobación ha finalizado por la señal %s."},
    {"examine_time_limit", "La comprobación no ha terminado en %s segundos y se ha detenido."},
    {"check_system_packages", "Comprobando los paquetes instalados... "},
    {"read_system_packages", "Obteniendo información sobre los paquetes instalados... "},
    {"status_not_locked", "Zarni Installer no se está ejecutando."},
    {"status_locked_by_another", "Otro proceso de actualización ha bloqueado la operación de actualización."},
    {"status_daemon_launched", "Se ha iniciado el daemon de Zarni Installer."},
    {"status_busy", "Ya se está ejecutando otra instancia de Zarni Installer."},
    {"error_sys_stable", "No se han instalado todos los paquetes."},
    {"error_sys_unsure", "¡Atención! No se han instalado todos los paquetes.\nCompruebe si los servicios del sistema funcionan."},
    {"error_sys_broken", "¡Atención! Es posible que su software no funcione."},
    {"error_rep_none", ""},
    {"error_rep_again", "Vuelva a intentar instalar los paquetes más tarde."},
    {"error_supp_none", "Resuelva este problema y vuelva a intentar instalar los paquetes."},
    {"components_allready_installed", "Ya tiene instalada la versión más reciente de los productos y todos los componentes seleccionados. La instalación no continuará."},
    {"releases_no_avail", "La instalación no continuará porque su sistema operativo\n\"%s\" no es compatible.\n\nConsulte las notas de la release de Zarni para ver la lista completa\nde sistemas operativos compatibles.\n"},
    {"insttypes_page_hdr1", "Seleccione el tipo de instalación de %s"},
    {"components_page_body2", "Seleccione los componentes de %s que desea instalar:"},
    {"components_page_num_selected", "%s de %s componentes seleccionados"},
    {"options_page_body2", "Los parámetros para %s componentes requieren especificación."},
    {"options_page_body5", "\nComponente '%s': se han definido todos los parámetros obligatorios.\n"},
    {"packages_page_body_install", "Hay %s paquetes necesarios para que el producto funcione correctamente que\nno se han encontrado en su sistema.\n"},
    {"packages_page_body_upgrade", "Hay %s paquetes que deben actualizarse\npara poder instalar el producto.\n"},
    {"packages_page_body_remove", "Hay %s paquetes instalados que se eliminarán.\n"},
    {"install_start", "Aplicando los cambios al sistema"},
    {"install_ok", "Los cambios se han aplicado correctamente."},
    {"err_send_mail", "Advertencia: no se ha podido enviar el informe de instalación por email."},
    {"err_read_prodsinfo", "No se ha podido leer la información del producto del archivo "},
    {"warn_deprecated_option", "ADVERTENCIA: la opción de línea de comandos '%s' está obsoleta y se ignorará."},
    {"err_chk_md5", "No se ha podido calcular la suma de comprobación del archivo "},
    {"new_build_avail", "Advertencia: hay una nueva build del producto disponible en el servidor."},
    {"added_comps_by_deps", "Se instalarán los siguientes componentes porque los requieren los componentes seleccionados:"},
    {"removed_comps_by_deps", "Se eliminarán los siguientes componentes porque entran en conflicto con los componentes seleccionados para instalar o requieren los componentes seleccionados para eliminar:"},
    {"err_dep_from_pkg_unresolved", "%s: no se ha encontrado ninguna solución adecuada\npara la dependencia \"%s\".\n"},
    {"err_pkg_downgrade", "No se puede cambiar el paquete '%s' a la versión anterior %s:\n  actualmente está instalada la versión %s."},
    {"err_pkg_clash", "Los paquetes \"%s\" y \"%s\" no se pueden instalar a la vez"},
    {"err_pkg_fileconfl", "debido al conflicto con el archivo \"%s\""},
    {"err_pkg_depconfl", "porque \"%s\" entra en conflicto con \"%s\"."},
    {"pkg_select_reason", "Se ha elegido el paquete \"%s\" debido a las siguientes dependencias:"},
    {"pkg_select_depend", " \"%s\" de \"%s\""},
    {"deps_report_head", "Lo siguiente podría causar el fallo de la instalación:"},
    {"deps_long_report", "También se han encontrado otros problemas. Para más información,\nconsulte el archivo de registro: %s.\n"},
    {"user_canceled", "Interrumpido por el usuario"},
    {"goto_webinterface_url", "\nLa interfaz web se ha iniciado.\n  Visite %s en su navegador.\n\n"},
    {"upgrade_from_not_supported_versions", "Solo puede actualizar %s a %s o a una versión anterior. Si desea actualizar a la versión más reciente, consulte el siguiente artículo: %s"},
    {"stop_already_stopped", "Zarni Installer no se está ejecutando."},
    {"stop_sent", "Se ha solicitado el cierre de Zarni Installer."},
    {"download_completed", "ya descargado"},
    {"download_done", "hecho"},
    {"download_all_done", "Se han descargado todos los archivos."},
    {"download_ext_catalog_feed", "Descargando el feed del Extensions Catalog..."},
    {"process_apt_get_update", "Actualizando el índice de paquetes de APT..."},
    {"question_continue", "¿Desea continuar?"},
    {"question_show_settings",
     "Esto puede deberse a un problema con el origen de instalación, con su conexión o con la configuración del installer.\n"
     "El installer se cerrará debido a un error irrecuperable.\n"
     "¿Desea ver la configuración actual del installer y cómo cambiarla?"},
    {"examine_presetup", "Comprobando los componentes y el producto antes de la instalación"},
    {"examine_postsetup", "Comprobando los componentes y el producto después de la instalación"},
    {"examine_perform", "Comprobando los componentes y el producto..."},
    {"examine_skip_yesno",
     "Continuar con la instalación o la actualización sin resolver los problemas\n"
     "encontrados puede dañar sus datos.\n"},
    {"wizard_current_settings", "Configuración actual:"},
    {"yesno_retry", "Escriba Y para sí o N para no"},
    {"message_press_enter", "(pulse Intro para continuar)"},
    {"releases_reporter_no_updates", "No hay actualizaciones disponibles."},
    {"releases_reporter_list_empty", "No hay productos disponibles para la instalación."},
    {"releases_page_hdr", "Productos y versiones"},
    {"releases_page_body", "Están disponibles las siguientes versiones de productos:"},
    {"releases_no_selected", "No se ha seleccionado ninguna versión de producto."},
    {"releases_upgrade_request1", "Tiene la versión del producto "},
    {"releases_upgrade_request2",
     " instalada.\n"
     "¿Desea actualizarla?"},
    {"wizard_legend_header", "Acciones disponibles:"},
    {"wizard_legend_f_forward", "(F) Avanzar"},
    {"wizard_legend_b_back", "(B) Retroceder"},
    {"wizard_legend_q_quit", "(Q) Cancelar la instalación"},
    {"wizard_legend_s_advanced_settings", "(S) Mostrar la configuración avanzada"},
    {"wizard_legend_a_select_all", "(A) Seleccionar todo"},
    {"wizard_legend_d_deselect_all", "(D) Deseleccionar todo"},
    {"wizard_legend_f_forward_specify_params", "(F) Avanzar y especificar los parámetros"},
    {"wizard_legend_f_forward_skip_params", "(F) Avanzar sin cambiar los parámetros"},
    {"wizard_legend_u_specify_undefined_params", "(U) Avanzar y especificar solo los parámetros no definidos"},
    {"wizard_legend_r_redefine_params_all", "(R) Redefinir todos los parámetros"},
    {"wizard_legend_r_redefine_params_one", "(R) Redefinir los parámetros de este componente"},
    {"wizard_legend_s_show_packages", "(S) Mostrar la lista de paquetes"},
    {"wizard_prompt_action", "Seleccione una acción"},
    {"wizard_prompt_action_retry", "Escriba uno de los caracteres de la leyenda anterior"},
    {"wizard_prompt_action_or_number", "Seleccione una acción o un número"},
    {"wizard_prompt_action_or_number_retry", "Escriba un número o el carácter de una acción de la leyenda anterior"},
    {"wizard_prompt_number", "Seleccione un número"},
    {"wizard_prompt_number_retry", "Escriba uno de los números de la lista anterior"},
    {"hello_page_hdr", "Asistente de instalación y actualización de Zarni"},
    {"hello_page_body",
     "Este asistente le ayuda a instalar Zarni, a actualizarlo a una release más\n"
     "reciente y a añadir o eliminar sus componentes.\n"
     "\n"
     "------ IMPORTANTE ------\n"
     "\n"
     "* Cree un backup de sus datos antes de actualizar Zarni o de eliminar alguno de\n"
     "  sus componentes.\n"
     "\n"
     "* No interrumpa la instalación mientras se instalan los paquetes.\n"
     "\n"
     "* Zarni se distribuye bajo el Acuerdo de licencia de usuario final de Zarni.\n"
     "  Lea sus términos en http://www.zarni.example/legal/terms/ antes de continuar:\n"
     "  al instalar Zarni, los acepta.\n"},
    {"source_product_source", " Instalar productos desde: "},
    {"source_target_dir", " Guardar los archivos descargados en: "},
    {"source_from_zarni", "el servidor de actualizaciones de Zarni"},
    {"source_from_network", "la ubicación de red"},
    {"source_from_local", "el directorio local"},
    {"proxy_no_proxy", " No utilizar un proxy"},
    {"proxy_no_auth", " No utilizar autenticación de proxy"},
    {"proxy_proxy_host", " Utilizar un proxy HTTP (host:puerto): "},
    {"proxy_auth", " Utilizar autenticación de proxy, nombre de usuario: "},
    {"settings_download_retries", " Número de reintentos de una descarga fallida: "},
    {"settings_page_hdr", "Configuración avanzada"},
    {"settings_page_body",
     "Estas opciones (ubicación de los paquetes de distribución del producto,\n"
     "almacenamiento de los archivos descargados, configuración del proxy y de las\n"
     "descargas) se pueden definir en la línea de comandos o en el archivo de\n"
     "configuración.\n"
     "\n"
     " Línea de comandos          | Archivo de configuración | Resumen\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL o path>      | SOURCE=<URL o path>      | installation source\n"
     " --target <dir>             | TARGET=<dir>             | download directory\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | proxy host\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | proxy port\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | proxy user name\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | proxy password\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | download retries\n"
     "\n"
     "Los argumentos de la línea de comandos tienen prioridad sobre el archivo de\n"
     "configuración. El installer lee el archivo de configuración al iniciarse;\n"
     "escriba cada opción en una línea propia, por ejemplo PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Ubicación del archivo de configuración del installer: "},
    {"insttypes_page_hdr", "Tipos de instalación"},
    {"insttypes_page_body", "Un tipo de instalación es un conjunto predefinido de componentes. Seleccione uno:"},
    {"components_page_hdr", "Lista de componentes principales"},
    {"components_page_hdr1", "Lista de componentes principales de "},
    {"components_page_body1", "Mostrar los componentes del producto:"},
    {"components_page_body3", "Seleccione los componentes que desea instalar:"},
    {"components_page_bottom_toggle_components", "Introduzca un número para cambiar el estado del componente correspondiente."},
    {"components_page_bottom_toggle_groups", "Introduzca un número para cambiar el estado del componente correspondiente o ver el grupo (marcado con <+>)."},
    {"components_toggle_also", "Para cambiar el estado de este componente también debe"},
    {"components_install_also", "instalar o actualizar los siguientes componentes: "},
    {"components_install_remove_them", "¿Desea hacerlo?"},
    {"components_remove_also", "eliminar los siguientes componentes: "},
    {"components_unmark_also", "deseleccionar los siguientes componentes: "},
    {"components_atleast_one", "Para continuar, debe seleccionar al menos un componente."},
    {"components_deny_implicit_remove", "Para eliminar este componente o grupo de componentes, primero debe eliminar los componentes que no se pueden eliminar de forma implícita: "},
    {"components_group_toggle_also", "Para cambiar el estado de estos componentes también debe"},
    {"components_group_deny_conflict", "No es posible cambiar el estado de estos componentes porque se romperían las dependencias de los siguientes componentes: "},
    {"components_group_deny_conflict_suggestion", "Pruebe a cambiar el estado de los componentes de uno en uno."},
    {"need_also_message", "Los componentes seleccionados requerirán la instalación de paquetes de los siguientes componentes: \n"},
    {"need_also_remove_message", "Los componentes seleccionados requerirán la eliminación de paquetes de los siguientes componentes: \n"},
    {"options_page_hdr", "Parámetros de los componentes"},
    {"options_page_body1", " componentes seleccionados para la instalación requieren que especifique determinados parámetros.\n"},
    {"options_page_body3", "Debe especificar ahora todos los parámetros obligatorios.\n"},
    {"options_page_body4", "Los parámetros de todos estos componentes ya están definidos.\n"},
    {"packages_page_hdr", "Cambios en los paquetes"},
    {"packages_no_reqpackages", "No es necesario instalar, actualizar ni eliminar ningún paquete."},
    {"install_remove", "Eliminando paquetes: "},
    {"install_again", "Aviso: se ha publicado una nueva build del producto mientras Zarni Installer instalaba los paquetes.\n¿Desea instalarla?"},
    {"install_install_package", "Instalando paquetes: "},
    {"checking_comps_status", "Detectando los componentes instalados del producto."},
    {"checking_deps", "Comprobando las dependencias de los paquetes..."},
    {"err_set_proxyvar", "Advertencia: no se ha podido definir la variable de entorno del proxy para el gestor de paquetes."},
    {"err_no_librpm", "Error: no se puede cargar librpm, la biblioteca que lee la base de datos de paquetes RPM."},
    {"err_no_pagers", "Advertencia: no se ha encontrado ni la utilidad 'less' ni 'more'."},
    {"installling_pkgs", "Instalando paquetes"},
    {"installing_pkglist", "Instalando los siguientes paquetes:"},
    {"warn_apt_cdrom_in_source",
     "Advertencia: su lista de orígenes de APT contiene un origen de CD/DVD. Zarni\n"
     "Installer puede detenerse y esperar el disco. Si el disco no está disponible,\n"
     "elimine las líneas cdrom de /etc/apt/sources.list y de los archivos de\n"
     "/etc/apt/sources.list.d/ y vuelva a ejecutar la instalación."},
    {"retype_password", "Vuelva a escribir la contraseña: "},
    {"webinterface_exit_by_timeout", " Zarni Installer se ha cerrado tras un largo periodo de inactividad."},
    {"ask_customer_feedback", "¿Desea ayudar a mejorar Zarni enviando informes de errores a los desarrolladores\nde Zarni cuando se produzca un problema?"},
    {"press_enter_to_exit", "Pulse INTRO para salir ..."},
    {"comps_no_options", "Ninguno de los componentes de la lista tiene parámetros."},
    {"options_select_all_IPs", "Seleccionar todas las direcciones IP"},
    {"searching_need_pkgs", "Buscando los paquetes necesarios..."},
    {"confirm_uninstallation", "¿Seguro que desea eliminar %s y todos sus componentes?"},
    {"confirm_uninstallation_title", "Eliminación de %s"},
    {"cancel_uninstallation", "Cancelar la eliminación"},
    {"error_supp_maybe", "Resuelva este problema y vuelva a intentar instalar los paquetes.\nPuede buscar una solución en el sitio de soporte de Zarni: https://support.zarni.example/"},
    {"usage_header",
     "Uso: installer [OPTIONS]\n"
     "\n"
     "Zarni Installer instala, actualiza y elimina productos Zarni y sus componentes.\n"
     "Si se ejecuta sin opciones, inicia el asistente interactivo en la consola.\n"
     "\n"},
    {"usage_download",
     " Opciones de descarga:\n"
     "    --source <URL o ruta absoluta>\n"
     "                         Obtener los productos del servidor de actualizaciones\n"
     "                         o mirror indicado, o de un directorio local.\n"
     "                         Valores de ejemplo:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Guardar los archivos descargados en el directorio\n"
     "                         indicado.\n"
     "                         Valor de ejemplo:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Cuántas veces se reintenta una descarga fallida\n"
     "                         (valor predeterminado: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opciones del proxy:\n"
     "    --proxy-host <host>  Nombre de host o dirección IP del servidor proxy.\n"
     "\n"
     "    --proxy-port <port>  Puerto del servidor proxy (valor predeterminado: 3128).\n"
     "\n"
     "    --proxy-user <user>  Nombre de usuario para la autenticación del proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Contraseña para la autenticación del proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opciones de selección de producto y release:\n"
     "    --select-product-id <product id>\n"
     "                         Seleccionar el producto al que se refieren las opciones\n"
     "                         siguientes. Elija la release del producto con una de\n"
     "                         estas opciones:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Seleccionar la release con el ID indicado.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Seleccionar la release más reciente del producto.\n"
     "\n"
     "    --select-release-current\n"
     "                         Seleccionar la release instalada del producto.\n"
     "\n"
     "    --tier <tiers>       Ofrecer solo las releases de los niveles indicados, en\n"
     "                         una lista separada por comas como stable,testing. El\n"
     "                         valor predeterminado es \"stable,release,current\".\n"
     "\n"
     "    --all-versions       No filtrar las releases por nivel. Con esta opción el\n"
     "                         installer ofrece las releases de todos los niveles,\n"
     "                         incluidas las releases preliminares.\n"
     "\n"},
    {"usage_install",
     " Opciones de instalación:\n"
     "    --installation-type <type name>\n"
     "                         Instalar los componentes del tipo de instalación\n"
     "                         indicado (por ejemplo, 'Recommended' o 'Full') de la\n"
     "                         release seleccionada del producto.\n"
     "                         Ejemplos:\n"
     "                         1) los componentes recomendados del Zarni más reciente:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) todos los componentes de la release ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component id>\n"
     "                         Instalar el componente indicado de la release\n"
     "                         seleccionada del producto. Repita la opción para\n"
     "                         instalar varios componentes.\n"
     "                         Ejemplos:\n"
     "                         1) añadir el webmail Horde al Zarni instalado:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instalar Zarni 12.5.30 con el panel y Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Definir un parámetro de componente del producto\n"
     "                         indicado por el --select-product-id anterior. Repita\n"
     "                         la opción para definir varios parámetros.\n"
     "\n"},
    {"usage_remove",
     " Opciones de eliminación:\n"
     "    --remove-component <component id>\n"
     "                         Eliminar el componente indicado del producto\n"
     "                         seleccionado. Repita la opción para eliminar varios\n"
     "                         componentes.\n"
     "                         Ejemplos:\n"
     "                         1) eliminar el webmail Horde de Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) eliminar dos componentes a la vez:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Eliminar todos los componentes del producto\n"
     "                         seleccionado, es decir, eliminar el propio producto.\n"
     "                         Ejemplo (eliminar Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Junto con --remove-everything, esperar a que se pulse\n"
     "                         Intro antes de que Zarni Installer se cierre.\n"
     "\n"},
    {"usage_upgrade",
     " Opciones de actualización:\n"
     "    --upgrade-installed-components\n"
     "                         Actualizar los componentes instalados del producto\n"
     "                         seleccionado a la release seleccionada.\n"
     "                         Ejemplos:\n"
     "                         1) instalar las últimas actualizaciones del Zarni\n"
     "                         instalado:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) actualizar Zarni a la release ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Actualizar solo los componentes instalados del\n"
     "                         producto seleccionado que pertenecen a la clase\n"
     "                         indicada, por ejemplo aspect=panel. Repita la opción\n"
     "                         para indicar varias clases.\n"
     "\n"},
    {"usage_no_warn",
     " Opciones de comprobación de componentes:\n"
     "     --skip-components-check\n"
     "                         No ejecutar las comprobaciones de los componentes y del\n"
     "                         producto antes y después de la instalación. Zarni\n"
     "                         Installer ejecuta estas comprobaciones para detectar\n"
     "                         problemas que podrían dañar sus datos, así que omítalas\n"
     "                         solo si está seguro de que la instalación es segura.\n"
     "\n"},
    {"usage_list",
     " Opciones para mostrar productos, releases y componentes:\n"
     "    --show-releases Mostrar las releases disponibles del producto seleccionado\n"
     "                         (Zarni si no se ha seleccionado ningún producto), con\n"
     "                         sus ID de release y niveles. Zarni Installer muestra\n"
     "                         solo las releases de los niveles \"stable\", \"release\"\n"
     "                         y \"current\", salvo que utilice --all-versions o\n"
     "                         indique otros niveles con --tier.\n"
     "\n"
     "    --show-all-releases  Mostrar todos los productos disponibles y sus releases.\n"
     "\n"
     "    --show-os-list       Mostrar los sistemas operativos para los que se ha\n"
     "                         creado la release seleccionada.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Mostrar los tipos de instalación de la release\n"
     "                         seleccionada.\n"
     "\n"
     "    --show-components    Mostrar los componentes de la release seleccionada e\n"
     "                         indicar si cada uno está instalado, se puede actualizar\n"
     "                         o está al día. Utilice los ID de componente que muestra\n"
     "                         con --install-component y --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Mostrar solo los componentes que se pueden actualizar.\n"
     "\n"
     "    --show-options       Junto con --show-components, mostrar también los\n"
     "                         parámetros de cada componente. No se puede combinar\n"
     "                         con --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Junto con las opciones de instalación, actualización o\n"
     "                         eliminación, mostrar solo los paquetes que se\n"
     "                         instalarían [I], actualizarían [U] o eliminarían [R],\n"
     "                         sin cambiar nada.\n"
     "\n"},
    {"usage_automation",
     " Opciones de automatización:\n"
     "    --enable-xml-output  Mostrar las respuestas y los mensajes de estado en\n"
     "                         formato XML, para scripts y otros programas. Una\n"
     "                         instalación se ejecuta entonces en segundo plano.\n"
     "\n"
     "    --query-status Mostrar si Zarni Installer se está ejecutando y, en ese\n"
     "                         caso, la fase y el paso de su trabajo. El estado de la\n"
     "                         respuesta es uno de los siguientes:\n"
     "                           query_ok   - Zarni Installer no se está ejecutando\n"
     "                           query_busy - Zarni Installer se está ejecutando\n"
     "\n"
     "    --check-updates      Comprobar si hay actualizaciones disponibles para el\n"
     "                         producto seleccionado (Zarni si no se ha seleccionado\n"
     "                         ningún producto).\n"
     "                         Ejemplo:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon          Con --enable-xml-output, instalar en primer plano y\n"
     "                         esperar a que termine la instalación.\n"
     "\n"},
    {"usage_web",
     " Opciones de la interfaz web:\n"
     "    --web-interface      Ejecutar el asistente de instalación en un navegador\n"
     "                         web en lugar de en la consola. El asistente se sirve\n"
     "                         en el puerto 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Archivo con el certificado y la clave privada para\n"
     "                         HTTPS. De forma predeterminada se crea un certificado\n"
     "                         autofirmado.\n"
     "\n"
     "    --without-ssl        Servir la interfaz web mediante HTTP sin cifrar.\n"
     "\n"},
    {"usage_override",
     " Opciones que sustituyen el sistema operativo detectado:\n"
     "    --override-os-name <arg>\n"
     "                         Utilizar el nombre de sistema operativo indicado en\n"
     "                         lugar del detectado.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utilizar el fabricante de sistema operativo indicado\n"
     "                         en lugar del detectado.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utilizar la versión de sistema operativo indicada en\n"
     "                         lugar de la detectada.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utilizar la arquitectura indicada en lugar de la\n"
     "                         detectada.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utilizar el entorno indicado en lugar del detectado:\n"
     "                         'dedicated', 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opciones de la interfaz interactiva de consola:\n"
     "    --no-clear           No borrar la pantalla al pasar de una página del\n"
     "                         asistente a otra.\n"
     "\n"},
    {"usage_feedback",
     " Opciones de feedback:\n"
     "    --enable-feedback    Permitir que Zarni Installer envíe un informe de\n"
     "                         errores a los desarrolladores de Zarni cuando se\n"
     "                         produzca un problema.\n"
     "\n"
     "    --disable-feedback   No enviar informes de errores. Zarni Installer recuerda\n"
     "                         la elección para las siguientes ejecuciones.\n"
     "\n"},
    {"usage_logging",
     " Opciones de registro y notificación:\n"
     "    --notify-email <email>\n"
     "                         Cuando Zarni Installer termine, enviar un informe del\n"
     "                         resultado a la dirección de email indicada.\n"
     "\n"
     "    --truncate-log       Vaciar el archivo de registro de Zarni Installer al\n"
     "                         iniciar.\n"
     "\n"
     "    --separate-logs      Escribir un archivo de registro independiente para\n"
     "                         cada ejecución de Zarni Installer.\n"
     "\n"
     "    --debug              Escribir información de depuración en el archivo de\n"
     "                         registro.\n"
     "\n"},
    {"usage_help",
     " Opciones de ayuda y versión de Zarni Installer:\n"
     "    --version            Mostrar la versión de Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Mostrar la descripción general de la interfaz basada\n"
     "                         en comandos.\n"
     "\n"
     "    --help-options       Mostrar esta ayuda sobre la interfaz basada en\n"
     "                         opciones.\n"
     "\n"},
    {"usage_obsolete",
     " Opciones obsoletas:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Servía para desactivar las actualizaciones del sistema\n"
     "                         operativo incluidas con Zarni. Aún se acepta, pero ya\n"
     "                         no cambia lo que se instala.\n"
     "\n"
     "    --install-everything\n"
     "                         Instalar todos los componentes de la release\n"
     "                         seleccionada del producto. Utilice en su lugar\n"
     "                         --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     Igual que --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         Igual que --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opciones en desuso (se aceptan, pero se ignoran con una advertencia):\n"
     "    --source-type        Servía para indicar el tipo del origen de instalación.\n"
     "                         Ahora el tipo se reconoce por el valor de --source.\n"
     "\n"
     "    --add-source         Servía para añadir un origen de paquetes adicional.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Servía para mostrar los tipos de orígenes de paquetes\n"
     "                         adicionales.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Servía para mostrar los orígenes de paquetes\n"
     "                         adicionales.\n"
     "\n"
     "    --mirror-os          Servía para crear un mirror de las versiones del\n"
     "                         producto para otro sistema operativo.\n"
     "\n"
     "    --install-system-only\n"
     "                         Servía para instalar solo los paquetes del sistema de\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Servía para permitir la instalación de paquetes del\n"
     "                         kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Servía para impedir las actualizaciones a una nueva\n"
     "                         release principal. Seleccione en su lugar la release\n"
     "                         que desea instalar con --select-release-id o\n"
     "                         --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Servía para actualizar también los paquetes del\n"
     "                         sistema operativo.\n"
     "\n"
     "    --reinstall-patch    Servía para reinstalar el último parche de los\n"
     "                         productos seleccionados. La interfaz basada en comandos\n"
     "                         ignora --repatch del mismo modo.\n"
     "\n"
     "    --skip-patch         Servía para omitir la instalación de parches. La\n"
     "                         interfaz basada en comandos la ignora del mismo modo.\n"
     "\n"
     "    --no-space-check     Servía para omitir la comprobación del espacio libre en\n"
     "                         disco.\n"
     "\n"},
    {"usage_end", "Consulte 'installer help' para obtener información sobre la interfaz basada\nen comandos.\n"},
    {"usage_commands",
     "Uso: installer COMMAND [OPTIONS]\n"
     "\n"
     "Comandos:\n"
     "    list      Mostrar los productos, releases, presets y componentes disponibles\n"
     "    list-all  Mostrar todos los productos disponibles y sus releases\n"
     "    install   Instalar una release de un producto\n"
     "    update    Instalar las últimas actualizaciones de los productos instalados\n"
     "    add       Añadir componentes a un producto instalado\n"
     "    remove    Eliminar componentes de un producto instalado\n"
     "    upgrade   Actualizar un producto instalado a otra release\n"
     "    stop      Detener un Zarni Installer en ejecución\n"
     "    version   Mostrar la versión de Zarni Installer\n"
     "    help      Mostrar la ayuda de un comando\n"
     "\n"
     "Consulte 'installer help COMMAND' para obtener ayuda sobre un comando concreto.\n"
     "Consulte 'installer --help-options' para obtener ayuda sobre la interfaz basada\n"
     "en opciones.\n"},
    {"usage_cmd_prefix", "Uso: installer "},
    {"usage_cmd_version", "Mostrar la versión de Zarni Installer."},
    {"usage_cmd_help", "Sin COMMAND, muestra los comandos. Con COMMAND, muestra la ayuda de ese\ncomando; añada --verbose (-v) para ver más opciones."},
    {"usage_cmd_list_all", "Mostrar todos los productos disponibles y sus releases."},
    {"usage_cmd_list",
     "Mostrar los productos y releases disponibles. Para una release exacta (un ID\n"
     "de release, o un ID de producto y una versión), muestra sus presets de\n"
     "instalación (--presets), sus componentes (--components, con sus parámetros si\n"
     "se añade --options) o la configuración del gestor de paquetes del sistema\n"
     "para ella (--sources)."},
    {"usage_cmd_install",
     "Instalar una release de un producto. Sin selectores, se instala la release más\n"
     "reciente de Zarni. Elija los componentes con un preset (--preset, que se ajusta\n"
     "con --with y --without) o indíquelos con --components."},
    {"usage_cmd_upgrade",
     "Actualizar un producto instalado a otra release. Indique la release por su ID\n"
     "de release, por un ID de producto y una versión, o por un ID de producto y un\n"
     "nivel (se toma la release más reciente de ese nivel). Sin una release exacta,\n"
     "se muestran las releases disponibles."},
    {"usage_cmd_update",
     "Instalar las últimas actualizaciones de todos los productos instalados, o solo\n"
     "de PRODUCT, sin actualizarlos a otra release."},
    {"usage_cmd_add", "Añadir componentes a un producto instalado."},
    {"usage_cmd_remove", "Eliminar componentes de un producto instalado."},
    {"usage_cmd_add_remove_tail", "El producto puede omitirse si solo hay un producto instalado.\n"},
    {"usage_cmd_stop",
     "Detener un Zarni Installer en ejecución. Se detiene en el siguiente punto\n"
     "seguro; con --terminate se detiene incluso mientras se instalan paquetes."},
    {"usage_components",
     "COMPONENTS es una lista de ID de componentes. Sepárelos con espacios o comas,\n"
     "o repita la opción:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose", "Añada '--verbose' (o '-v') para ver más opciones, '--verbose=2' para todas."},
    {"usage_hdr_command_opts", "Opciones del comando"},
    {"usage_hdr_general_opts", "Opciones generales"},
    {"usage_hdr_download_opts", "Opciones de descarga"},
    {"usage_hdr_proxy_opts", "Opciones del proxy"},
    {"usage_hdr_skip_opts", "Opciones para omitir pasos"},
    {"usage_hdr_env_opts", "Opciones para sustituir el sistema operativo"},
    {"usage_opt_source", "Origen de instalación: URL del servidor de actualizaciones o de un mirror, o ruta absoluta de un directorio local"},
    {"usage_opt_target", "Directorio para los archivos descargados"},
    {"usage_opt_tries", "Número de reintentos de una descarga fallida (valor predeterminado: 3)"},
    {"usage_opt_ext", "URL del Extensions Catalog que se utilizará en lugar del que indica el producto"},
    {"usage_opt_proxy_host", "Nombre de host o dirección IP del servidor proxy"},
    {"usage_opt_proxy_port", "Puerto del servidor proxy (valor predeterminado: 3128)"},
    {"usage_opt_proxy_user", "Nombre de usuario para la autenticación del proxy"},
    {"usage_opt_proxy_pass", "Contraseña para la autenticación del proxy"},
    {"usage_opt_skip_examine", "No ejecutar las comprobaciones de los componentes y del producto antes y después de la instalación"},
    {"usage_opt_skip_gpg", "No verificar las firmas GPG de los paquetes"},
    {"usage_opt_skip_cleanup", "Conservar la configuración de los repositorios de paquetes al salir del installer"},
    {"usage_opt_no_self_upgrade", "No sustituir Zarni Installer por una versión más reciente o más antigua de sí mismo"},
    {"usage_opt_help", "Mostrar la ayuda del comando"},
    {"usage_opt_xml", "Mostrar las respuestas y los mensajes de estado en formato XML"},
    {"usage_opt_debug", "Escribir información de depuración en el archivo de registro"},
    {"usage_opt_truncate_log", "Vaciar el archivo de registro de Zarni Installer al iniciar"},
    {"usage_opt_separate_log", "Escribir un archivo de registro independiente para cada ejecución de Zarni Installer"},
    {"usage_opt_email", "Cuando Zarni Installer termine, enviar un informe del resultado a esta dirección de email"},
    {"usage_opt_verbose", "Mostrar más opciones en la ayuda: 1 para más opciones, 2 para todas las opciones"},
    {"usage_opt_completion", "Mostrar las opciones del comando para el autocompletado del shell (JSON)"},
    {"usage_opt_override_os_name", "Nombre del sistema operativo que se utilizará en lugar del detectado"},
    {"usage_opt_override_os_vendor", "Fabricante del sistema operativo que se utilizará en lugar del detectado"},
    {"usage_opt_override_os_version", "Versión del sistema operativo que se utilizará en lugar de la detectada"},
    {"usage_opt_override_os_arch", "Arquitectura que se utilizará en lugar de la detectada"},
    {"usage_opt_override_env", "Entorno que se utilizará en lugar del detectado: 'dedicated', 'cq'"},
    {"usage_opt_list_presets", "Mostrar los presets de instalación de la release"},
    {"usage_opt_list_components", "Mostrar los componentes de la release"},
    {"usage_opt_list_options", "Con --components, mostrar también los parámetros de cada componente"},
    {"usage_opt_dry_run", "No cambiar nada; solo mostrar los paquetes que se instalarían [I], actualizarían [U] o eliminarían [R]"},
    {"usage_opt_install_preset", "Instalar los componentes de este preset (tipo de instalación), por ejemplo 'Recommended' o 'Full'"},
    {"usage_opt_install_with", "Componentes que se instalarán además del preset"},
    {"usage_opt_install_without", "Componentes del preset que no se instalarán"},
    {"usage_opt_install_components", "Componentes que se instalarán, en lugar de un preset"},
    {"usage_opt_install_options", "Parámetros de los componentes, cada uno indicado como name=value"},
    {"usage_opt_update_panel_only", "Instalar solo las actualizaciones del propio Zarni, no las de los otros servicios que gestiona Zarni"},
    {"usage_opt_addremove_components", "Componentes que se añadirán o eliminarán"},
    {"usage_opt_stop_terminate", "Detener Zarni Installer incluso mientras se instalan paquetes (enviar SIGTERM en lugar de SIGHUP)"},
    {"error_supp_need", "Puede buscar una solución en el sitio de soporte de Zarni: https://support.zarni.example/"},
    {"os_win2003_not_supported", "Zarni ya no es compatible con Windows Server 2003. De acuerdo con la política de ciclo de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), le recomendamos que utilice una versión más reciente del sistema operativo."},
    {"os_win2008_not_supported_product_installed", "Zarni ya no es compatible con Windows Server 2008. De acuerdo con la política de ciclo de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), le recomendamos que utilice una versión más reciente del sistema operativo. Para trasladar Zarni a un servidor con un sistema operativo compatible, siga la guía de migración (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "Zarni ya no es compatible con Windows Server 2008. De acuerdo con la política de ciclo de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), le recomendamos que utilice una versión más reciente del sistema operativo."},
    {"os_win2008r2_not_supported_product_installed", "Zarni ya no es compatible con Windows Server 2008 R2. De acuerdo con la política de ciclo de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), le recomendamos que utilice una versión más reciente del sistema operativo. Para trasladar Zarni a un servidor con un sistema operativo compatible, siga la guía de migración (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "Zarni ya no es compatible con Windows Server 2008 R2. De acuerdo con la política de ciclo de vida de Zarni (https://www.zarni.example/legal/lifecycle-policy/), le recomendamos que utilice una versión más reciente del sistema operativo."},
};

}  // namespace

void loadInstallerMessages_es_ES(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
