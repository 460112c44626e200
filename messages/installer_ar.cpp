// Arabic texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "أمثلة:\n"
     " سرد المنتجات المتاحة:\n"
     " list\n"
     " سرد أحدث إصدارات Zarni المتاحة\n"
     " بالمستويات الافتراضية:\n"
     " list %1%\n"
     " سرد جميع إصدارات Zarni المتاحة:\n"
     " list %1% all\n"
     " عرض أحدث إصدار تجريبي متاح من Zarni\n"
     " (بالمستوى 'testing'):\n"
     " list %1% testing\n"
     " سرد مكونات Zarni %2%\n"
     " (المحدد بمعرّف المنتج والنسخة):\n"
     " list %1% %2% --components\n"
     " سرد الإعدادات المسبقة للتثبيت في Zarni %2%\n"
     " (المحدد بمعرّف الإصدار):\n"
     " list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "أمثلة:\n"
     " تثبيت المجموعة الموصى بها من مكونات أحدث\n"
     " إصدار متاح للجميع من Zarni:\n"
     " install\n"
     " تثبيت أحدث إصدار تجريبي متاح من Zarni:\n"
     " install testing\n"
     " تثبيت Zarni %2% (المحدد بالنسخة):\n"
     " install %1% %2%\n"
     " تثبيت المجموعة الكاملة من مكونات Zarni بدون دعم Java\n"
     " وبريد الويب Horde (يتم تحديد الإصدار بالمعرّف):\n"
     " install %3% --preset Full --without java horde\n"
     " "},
    {"usage_cmd_upgrade_tail",
     "أمثلة:\n"
     " الترقية إلى Zarni %2%\n"
     " (المحدد بمعرّف المنتج والنسخة):\n"
     " upgrade %1% %2%\n"
     " الترقية إلى Zarni %2% (المحدد بمعرّف الإصدار):\n"
     " upgrade %3%\n"
     " الترقية إلى أحدث إصدار مستقر متاح من Zarni:\n"
     " upgrade %1% stable\n"
     " "},
    {"usage_cmd_update_tail",
     "أمثلة:\n"
     " تثبيت أحدث التحديثات المتاحة لجميع المنتجات المثبتة:\n"
     " update\n"
     " تحديث تثبيت Zarni:\n"
     " update %1%\n"
     " تثبيت تحديثات Zarni فقط، دون تحديث الخدمات الأخرى\n"
     " التي يديرها Zarni إن أمكن (ينطبق على المنتج '%1%' فقط):\n"
     " update --panel-only\n"
     " "},
    {"usage_selector",
     "كل SELECTOR هو أحد ما يلي:\n"
     " معرّف المنتج، مثل '%1%'\n"
     " مستوى الإصدار، مثل 'stable' أو 'all' لعدم التصفية حسب المستوى\n"
     " نسخة الإصدار، مثل '%2%'\n"
     " معرّف الإصدار، مثل '%3%'\n"
     "\n"
     "استخدم الأمر 'list' للتحقق من المحددات الصالحة.\n"
     " "},
    {"usage_product",
     "PRODUCT هو محدد معرّف المنتج، مثل '%1%'.\n"
     "استخدم الأمر 'list' للتحقق من معرّفات المنتجات الصالحة.\n"
     " "},
    {"download_file", "جارٍ تنزيل الملف "},
    {"download_total_progress", "(%s من %s) "},
    {"download_retry_progress", " (إعادة المحاولة %s من %s)"},
    {"download_retry", "%s. ستتم إعادة المحاولة خلال %s ثانية..."},
    {"progress_stage_init", "تم بدء Zarni Installer"},
    {"progress_stage_prep", "جارٍ تحضير النظام"},
    {"progress_stage_resolv", "جارٍ حل تبعيات الحزم"},
    {"progress_stage_download", "جارٍ تنزيل الحزم"},
    {"dpkg_register_new_arch", "جارٍ تسجيل دعم البنية %s"},
    {"examine_unpassed", "اكتشف التحقق من صحة المكونات والمنتج مشكلة مهمة واحدة على الأقل:"},
    {"examine_post_results", "نتائج التحقق من المكونات والمنتج:"},
    {"examine_signal", "تم إنهاء التحقق بواسطة الإشارة %s."},
    {"examine_time_limit", "لم ينته التحقق خلال %s ثانية وتم إيقافه."},
    {"check_system_packages", "جارٍ التحقق من الحزم المثبتة... "},
    {"read_system_packages", "جارٍ استرداد المعلومات حول الحزم المثبتة... "},
    {"status_not_locked", "Zarni Installer ليس قيد التشغيل."},
    {"status_locked_by_another", "تم قفل عملية التحديث بواسطة عملية تحديث أخرى."},
    {"status_daemon_launched", "تم تشغيل Zarni Installer daemon."},
    {"status_busy", "يوجد مثيل آخر من Zarni Installer قيد التشغيل بالفعل."},
    {"error_sys_stable", "لم يتم تثبيت جميع الحزم."},
    {"error_sys_unsure",
     "تحذير! لم يتم تثبيت جميع الحزم.\n"
     " يرجى التحقق من أن خدمات النظام تعمل."},
    {"error_sys_broken", "انتباه! قد لا يعمل البرنامج لديك."},
    {"error_rep_none", ""},
    {"error_rep_again", "يرجى محاولة تثبيت الحزم مرة أخرى لاحقًا."},
    {"error_supp_none", "يرجى حل هذه المشكلة ومحاولة تثبيت الحزم مرة أخرى."},
    {"components_allready_installed", "لديك بالفعل أحدث نسخة من المنتجات وجميع المكونات المحددة مثبتة. لن يستمر التثبيت."},
    {"releases_no_avail",
     "لن يستمر التثبيت لأن نظام التشغيل لديك\n"
     " \"%s\" غير مدعوم.\n"
     "\n"
     " راجع ملاحظات إصدار Zarni للاطلاع على القائمة الكاملة\n"
     " لأنظمة التشغيل المدعومة.\n"},
    {"insttypes_page_hdr1", "تحديد نوع التثبيت لـ %s"},
    {"components_page_body2", "يرجى تحديد مكونات %s التي تريد تثبيتها:"},
    {"components_page_num_selected", "تم تحديد %s من %s مكونات"},
    {"options_page_body2", "يجب تحديد معلمات %s من المكونات.\n"},
    {"options_page_body5",
     "\n"
     " المكون '%s': تم تحديد جميع المعلمات المطلوبة.\n"
     " "},
    {"packages_page_body_install",
     "توجد %s من الحزم المطلوبة لكي يعمل المنتج بشكل صحيح\n"
     " ولم يتم العثور عليها في نظامك.\n"
     " "},
    {"packages_page_body_upgrade",
     "توجد %s من الحزم التي يجب ترقيتها\n"
     " لتثبيت المنتج."},
    {"packages_page_body_remove", "توجد %s من الحزم المثبتة التي ستتم إزالتها. "},
    {"install_start", "جارٍ تطبيق التغييرات على النظام"},
    {"install_ok", "تم تطبيق التغييرات بنجاح."},
    {"err_send_mail", "تحذير: فشل إرسال تقرير التثبيت بالبريد الإلكتروني."},
    {"err_read_prodsinfo", "فشلت قراءة معلومات المنتج من الملف "},
    {"warn_deprecated_option", "تحذير: خيار سطر الأوامر \"%s\" مهمل وسيتم تجاهله."},
    {"err_chk_md5", "فشل حساب المجموع الاختباري للملف "},
    {"new_build_avail", "تحذير: تتوفر بنية جديدة للمنتج على الخادم."},
    {"added_comps_by_deps", "سيتم تثبيت المكونات التالية لأن المكونات التي حددتها تتطلبها:"},
    {"removed_comps_by_deps", "ستتم إزالة المكونات التالية لأنها تتعارض مع المكونات التي حددتها للتثبيت أو تتطلب المكونات التي حددتها للإزالة:"},
    {"err_dep_from_pkg_unresolved",
     "%s: لم يتم العثور على حلول مناسبة\n"
     " للتبعية \"%s\".\n"},
    {"err_pkg_downgrade",
     "يتعذر الرجوع بالحزمة \"%s\" إلى النسخة %s:\n"
     "  النسخة %s مثبتة حاليًا."},
    {"err_pkg_clash", "لا يمكن تثبيت الحزمتين \"%s\" و\"%s\" في الوقت نفسه"},
    {"err_pkg_fileconfl", "بسبب التعارض مع الملف \"%s\""},
    {"err_pkg_depconfl", "لأن \"%s\" يتعارض مع \"%s\"."},
    {"pkg_select_reason", "تم اختيار الحزمة \"%s\" بسبب التبعيات التالية:"},
    {"pkg_select_depend", " \"%s\" من \"%s\""},
    {"deps_report_head", "قد يكون ما يلي سبب فشل التثبيت:"},
    {"deps_long_report",
     "تمت مواجهة مشكلات أخرى أيضًا. للحصول على التفاصيل،\n"
     " راجع ملف السجل: %s.\n"},
    {"user_canceled", "تمت المقاطعة بواسطة المستخدم"},
    {"goto_webinterface_url",
     "\n"
     "تم الآن بدء واجهة الويب.\n"
     "  يرجى زيارة %s في المستعرض.\n"
     "\n"},
    {"upgrade_from_not_supported_versions", "يمكنك ترقية %s إلى %s أو إلى نسخة أقدم فقط. إذا كنت تريد الترقية إلى أحدث نسخة، فراجع المقالة التالية: %s"},
    {"stop_already_stopped", "Zarni Installer ليس قيد التشغيل."},
    {"stop_sent", "تم طلب إيقاف مثبت منصة Zarni."},
    {"download_completed", "تم التنزيل بالفعل"},
    {"download_done", "تم"},
    {"download_all_done", "تم تنزيل جميع الملفات."},
    {"download_ext_catalog_feed", "جارٍ تنزيل موجز Extensions Catalog..."},
    {"process_apt_get_update", "جارٍ تحديث فهرس حزم APT..."},
    {"question_continue", "هل تريد المتابعة؟"},
    {"question_show_settings",
     "قد يكون السبب مشكلة في مصدر التثبيت أو الاتصال أو إعدادات المثبت.\n"
     " سيتم إنهاء المثبت بسبب خطأ لا يمكن إصلاحه.\n"
     " هل تريد عرض إعدادات المثبت الحالية وكيفية تغييرها؟"},
    {"examine_presetup", "جارٍ التحقق من المكونات والمنتج قبل التثبيت"},
    {"examine_postsetup", "جارٍ التحقق من المكونات والمنتج بعد التثبيت"},
    {"examine_perform", "جارٍ التحقق من المكونات والمنتج..."},
    {"examine_skip_yesno",
     "قد يؤدي متابعة التثبيت أو الترقية دون حل المشكلات\n"
     " التي تم العثور عليها إلى إتلاف بياناتك.\n"},
    {"wizard_current_settings", "الإعدادات الحالية:"},
    {"yesno_retry", "اكتب Y للموافقة أو N للرفض"},
    {"message_press_enter", "(اضغط Enter للمتابعة)"},
    {"releases_reporter_no_updates", "لا توجد تحديثات متاحة."},
    {"releases_reporter_list_empty", "لا توجد منتجات متاحة للتثبيت."},
    {"releases_page_hdr", "المنتجات والنسخ"},
    {"releases_page_body", "تتوفر نسخ المنتج التالية:"},
    {"releases_no_selected", "لم يتم تحديد أي نسخة من المنتج."},
    {"releases_upgrade_request1", "لديك نسخة المنتج "},
    {"releases_upgrade_request2",
     " مثبتة.\n"
     " هل تريد ترقيتها؟"},
    {"wizard_legend_header", "الإجراءات المتاحة:"},
    {"wizard_legend_f_forward", "(F)  التالي"},
    {"wizard_legend_b_back", "(B) السابق"},
    {"wizard_legend_q_quit", "(Q)  إلغاء التثبيت"},
    {"wizard_legend_s_advanced_settings", "(S)  عرض الإعدادات المتقدمة"},
    {"wizard_legend_a_select_all", "(A) حدد الكل"},
    {"wizard_legend_d_deselect_all", "(D) إلغاء تحديد الكل"},
    {"wizard_legend_f_forward_specify_params", "(F) التالي وتحديد المعلمات"},
    {"wizard_legend_f_forward_skip_params", "(F) التالي دون تغيير المعلمات"},
    {"wizard_legend_u_specify_undefined_params", "(U)  التالي وتحديد المعلمات غير المعرّفة فقط"},
    {"wizard_legend_r_redefine_params_all", "(R)  إعادة تعريف جميع المعلمات"},
    {"wizard_legend_r_redefine_params_one", "(R)  إعادة تعريف معلمات هذا المكون"},
    {"wizard_legend_s_show_packages", "(S)  عرض قائمة الحزم"},
    {"wizard_prompt_action", "حدد إجراءً"},
    {"wizard_prompt_action_retry", "اكتب أحد الأحرف من وسيلة الإيضاح أعلاه"},
    {"wizard_prompt_action_or_number", "حدد إجراءً أو رقمًا"},
    {"wizard_prompt_action_or_number_retry", "اكتب رقمًا أو حرف الإجراء من وسيلة الإيضاح أعلاه"},
    {"wizard_prompt_number", "حدد رقمًا"},
    {"wizard_prompt_number_retry", "اكتب أحد الأرقام من القائمة أعلاه"},
    {"hello_page_hdr", "معالج تثبيت Zarni وترقيته"},
    {"hello_page_body",
     "يساعدك هذا المعالج على تثبيت Zarni وترقيته إلى إصدار أحدث\n"
     " وإضافة مكوناته أو إزالتها.\n"
     "\n"
     "------ هام ------\n"
     "\n"
     "* انسخ بياناتك احتياطيًا قبل ترقية Zarni أو إزالة أي من مكوناته.\n"
     "\n"
     "\n"
     "* لا تقاطع التثبيت أثناء تثبيت الحزم.\n"
     "\n"
     "\n"
     "* يتم توزيع Zarni بموجب اتفاقية ترخيص المستخدم النهائي لـ Zarni.\n"
     "  اقرأ شروطها على http://www.zarni.example/legal/terms/ قبل المتابعة:\n"
     "  بتثبيت Zarni، فإنك توافق عليها.\n"
     "\n"},
    {"source_product_source", " تثبيت المنتجات من: "},
    {"source_target_dir", " حفظ الملفات التي تم تنزيلها في: "},
    {"source_from_zarni", "خادم تحديث Zarni"},
    {"source_from_network", "موقع الشبكة"},
    {"source_from_local", "الدليل المحلي"},
    {"proxy_no_proxy", " عدم استخدام خادم وكيل"},
    {"proxy_no_auth", " عدم استخدام مصادقة الخادم الوكيل"},
    {"proxy_proxy_host", " استخدام خادم وكيل HTTP (المضيف:المنفذ): "},
    {"proxy_auth", " استخدام مصادقة الخادم الوكيل، اسم المستخدم: "},
    {"settings_download_retries", " عدد مرات إعادة محاولة التنزيل الفاشل: "},
    {"settings_page_hdr", "الإعدادات المتقدمة"},
    {"settings_page_body",
     "يمكن تعيين هذه الإعدادات (موقع حزم توزيع المنتج، ومكان تخزين\n"
     " الملفات التي تم تنزيلها، وإعدادات الخادم الوكيل، وإعدادات التنزيل)\n"
     " إما في سطر الأوامر أو في ملف التكوين.\n"
     "\n"
     " سطر الأوامر                | ملف التكوين              | الملخص\n"
     "----------------------------+--------------------------+--------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | installation source\n"
     " --target <dir>             | TARGET=<dir>             | download directory\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | proxy host\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | proxy port\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | proxy user name\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | proxy password\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | download retries\n"
     "تكون لوسيطات سطر الأوامر الأولوية على ملف التكوين. يقرأ المثبت\n"
     " ملف التكوين عند بدء تشغيله؛ اكتب كل إعداد في سطر مستقل،\n"
     " على سبيل المثال PROXY_PORT=3128.\n"
     " "},
    {"settings_page_cfg", "موقع ملف تكوين المثبت: "},
    {"insttypes_page_hdr", "أنواع التثبيت"},
    {"insttypes_page_body", "نوع التثبيت هو مجموعة محددة مسبقًا من المكونات. حدد أحدها:"},
    {"components_page_hdr", "قائمة المكونات الأساسية"},
    {"components_page_hdr1", "قائمة المكونات الرئيسية لـ "},
    {"components_page_body1", "عرض مكونات المنتج:"},
    {"components_page_body3", "حدد المكونات التي تريد تثبيتها:"},
    {"components_page_bottom_toggle_components", "أدخل رقمًا لتبديل حالة المكون المقابل."},
    {"components_page_bottom_toggle_groups", "أدخل رقمًا لتبديل حالة المكون المقابل أو لعرض المجموعة (المميزة بـ <+>)."},
    {"components_toggle_also", "لتبديل حالة هذا المكون، يجب عليك أيضًا"},
    {"components_install_also", "تثبيت المكونات التالية أو ترقيتها: "},
    {"components_install_remove_them", "هل تريد القيام بذلك؟"},
    {"components_remove_also", "إزالة المكونات التالية: "},
    {"components_unmark_also", "إلغاء تحديد المكونات التالية: "},
    {"components_atleast_one", "للمتابعة، يجب تحديد مكون واحد على الأقل."},
    {"components_deny_implicit_remove", "لإزالة هذا المكون أو مجموعة المكونات هذه، يجب أولاً إزالة المكونات التي لا يمكن إزالتها ضمنيًا: "},
    {"components_group_toggle_also", "لتبديل حالة هذه المكونات، يجب عليك أيضًا"},
    {"components_group_deny_conflict", "لا يمكن تبديل حالة هذه المكونات لأن ذلك سيؤدي إلى كسر تبعيات المكونات التالية: "},
    {"components_group_deny_conflict_suggestion", "حاول تبديل المكونات واحدًا تلو الآخر بدلاً من ذلك."},
    {"need_also_message", "ستتطلب المكونات التي حددتها تثبيت حزم من المكونات التالية: \n"},
    {"need_also_remove_message", "ستتطلب المكونات التي حددتها إزالة حزم من المكونات التالية: \n"},
    {"options_page_hdr", "معلمات المكونات"},
    {"options_page_body1",
     " من المكونات المحددة للتثبيت تتطلب منك تحديد معلمات معينة.\n"
     " "},
    {"options_page_body3", "يجب عليك تحديد جميع المعلمات المطلوبة الآن.\n"},
    {"options_page_body4", "معلمات جميع هذه المكونات معرّفة بالفعل.\n"},
    {"packages_page_hdr", "تغييرات الحزم"},
    {"packages_no_reqpackages", "لا توجد حزم يجب تثبيتها أو ترقيتها أو إزالتها."},
    {"install_remove", "جارٍ إزالة الحزم: "},
    {"install_again",
     "ملاحظة: تم إصدار بنية جديدة للمنتج أثناء تثبيت Zarni Installer للحزم.\n"
     " هل تريد تثبيتها؟"},
    {"install_install_package", "جارٍ تثبيت الحزم: "},
    {"checking_comps_status", "جارٍ اكتشاف مكونات المنتج المثبتة."},
    {"checking_deps", "جارٍ التحقق من تبعيات الحزم..."},
    {"err_set_proxyvar", "تحذير: فشل تعيين متغير بيئة الخادم الوكيل لمدير الحزم."},
    {"err_no_librpm", "خطأ: يتعذر تحميل librpm، المكتبة التي تقرأ قاعدة بيانات حزم RPM."},
    {"err_no_pagers", "تحذير: يتعذر العثور على الأداة 'less' أو 'more'."},
    {"installling_pkgs", "جارٍ تثبيت الحزم"},
    {"installing_pkglist", "جارٍ تثبيت الحزم التالية:"},
    {"warn_apt_cdrom_in_source",
     "تحذير: تحتوي قائمة مصادر APT لديك على مصدر CD/DVD.\n"
     " قد يتوقف Zarni Installer وينتظر القرص. إذا لم يكن القرص\n"
     " متوفرًا، فقم بإزالة أسطر cdrom من /etc/apt/sources.list\n"
     " ومن الملفات في /etc/apt/sources.list.d/، ثم أعد تشغيل التثبيت."},
    {"retype_password", "أعد كتابة كلمة المرور: "},
    {"webinterface_exit_by_timeout", " تم إغلاق Zarni Installer بسبب فترة طويلة من عدم النشاط."},
    {"ask_customer_feedback",
     "هل تريد المساعدة في تحسين Zarni بإرسال تقارير الأخطاء\n"
     " إلى مطوري Zarni عند حدوث مشكلة؟"},
    {"press_enter_to_exit", "اضغط ENTER للخروج ..."},
    {"comps_no_options", "لا يحتوي أي من المكونات المدرجة على إعدادات."},
    {"options_select_all_IPs", "تحديد جميع عناوين IP"},
    {"searching_need_pkgs", "جارٍ البحث عن الحزم المطلوبة..."},
    {"confirm_uninstallation", "هل تريد حقًا إزالة %s وجميع مكوناته؟"},
    {"confirm_uninstallation_title", "إزالة %s"},
    {"cancel_uninstallation", "إلغاء الإزالة"},
    {"error_supp_maybe",
     "يرجى حل هذه المشكلة ومحاولة تثبيت الحزم مرة أخرى.\n"
     "يمكنك البحث عن حل في موقع دعم Zarni على https://support.zarni.example/"},
    {"usage_header",
     "الاستخدام: installer [OPTIONS]\n"
     "\n"
     "مثبت Zarni يثبت منتجات Zarni ومكوناتها ويرقيها ويزيلها.\n"
     " عند تشغيله بدون خيارات، يبدأ المعالج التفاعلي في وحدة التحكم.\n"
     " "},
    {"usage_download",
     " خيارات التنزيل:\n"
     "  --source <URL or absolute path>\n"
     " أخذ المنتجات من خادم التحديث أو المرآة المحددة، أو من دليل\n"
     " محلي.\n"
     " قيم نموذجية:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "  --target <dir>\n"
     " تخزين الملفات التي تم تنزيلها في الدليل المحدد.\n"
     " قيمة نموذجية:\n"
     "                           /root/kestavine\n"
     "  --download-retry-count <number>\n"
     " عدد مرات إعادة محاولة التنزيل الفاشل (الافتراضي: 3).\n"
     " "},
    {"usage_proxy",
     " خيارات الخادم الوكيل:\n"
     "  --proxy-host <host>\n"
     " اسم مضيف الخادم الوكيل أو عنوان IP الخاص به.\n"
     "  --proxy-port <port>\n"
     " منفذ الخادم الوكيل (الافتراضي: 3128).\n"
     "  --proxy-user <user>\n"
     " اسم المستخدم لمصادقة الخادم الوكيل.\n"
     "  --proxy-password <password>\n"
     " كلمة المرور لمصادقة الخادم الوكيل.\n"
     " "},
    {"usage_selectors",
     "  خيارات تحديد المنتج والإصدار:\n"
     "  --select-product-id <product id>\n"
     " تحديد المنتج الذي تشير إليه الخيارات التي تليه. اختر إصدار\n"
     " المنتج بأحد هذه الخيارات:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "  --select-release-id <release id>\n"
     " تحديد الإصدار ذي المعرّف المحدد.\n"
     "  --select-release-latest\n"
     " تحديد أحدث إصدار متاح من المنتج.\n"
     "  --select-release-current\n"
     " تحديد الإصدار المثبت من المنتج.\n"
     "  --tier <tiers>\n"
     " عرض إصدارات المستويات المحددة فقط، في قائمة مفصولة بفواصل\n"
     " مثل stable,testing. القيمة الافتراضية هي\n"
     " \"stable,release,current\".\n"
     "  --all-versions\n"
     " عدم تصفية الإصدارات حسب المستوى. مع هذا الخيار يعرض المثبت\n"
     " إصدارات جميع المستويات، بما في ذلك الإصدارات التجريبية.\n"
     " "},
    {"usage_install",
     " خيارات التثبيت:\n"
     "  --installation-type <type name>\n"
     " تثبيت مكونات نوع التثبيت المحدد (على سبيل المثال\n"
     " 'Recommended' أو 'Full') من إصدار المنتج المحدد.\n"
     " أمثلة:\n"
     " 1) المكونات الموصى بها من أحدث Zarni:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     " 2) جميع مكونات إصدار Zarni ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "  --install-component <component id>\n"
     " تثبيت المكون المحدد من إصدار المنتج المحدد. كرر الخيار\n"
     " لتثبيت عدة مكونات.\n"
     " أمثلة:\n"
     " 1) إضافة بريد الويب Horde إلى Zarni المثبت:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     " 2) تثبيت Zarni 12.5.30 مع اللوحة وPostfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "    --set-option <setting_name>=<setting_value>\n"
     " تعيين إعداد مكون للمنتج الذي يحدده\n"
     " الخيار --select-product-id السابق. كرر الخيار لتعيين عدة إعدادات.\n"
     " "},
    {"usage_remove",
     " خيارات الإزالة:\n"
     "  --remove-component <component id>\n"
     " إزالة المكون المحدد من المنتج المحدد. كرر الخيار لإزالة\n"
     " عدة مكونات.\n"
     " أمثلة:\n"
     " 1) إزالة بريد الويب Horde من Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     " 2) إزالة مكونين في وقت واحد:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "  --remove-everything\n"
     " إزالة جميع مكونات المنتج المحدد، أي إزالة المنتج نفسه.\n"
     " مثال (إزالة Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "  --interactive-uninstall\n"
     " مع الخيار --remove-everything، انتظار الضغط على Enter قبل\n"
     " إنهاء مثبت Zarni.\n"
     " "},
    {"usage_upgrade",
     " خيارات الترقية:\n"
     "  --upgrade-installed-components\n"
     " ترقية المكونات المثبتة من المنتج المحدد إلى الإصدار\n"
     " المحدد.\n"
     " أمثلة:\n"
     " 1) تثبيت أحدث تحديثات Zarni المثبت:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     " 2) ترقية Zarni إلى الإصدار ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "  --include-components-from-class <class>\n"
     " ترقية المكونات المثبتة من المنتج المحدد التي تنتمي إلى\n"
     " الفئة المحددة فقط، على سبيل المثال aspect=panel. كرر\n"
     " الخيار لتحديد عدة فئات.\n"
     " "},
    {"usage_no_warn",
     " خيارات التحقق من المكونات:\n"
     "  --skip-components-check\n"
     " عدم تشغيل عمليات التحقق من المكونات والمنتج قبل التثبيت\n"
     " وبعده. يجري مثبت Zarni عمليات التحقق هذه للعثور على\n"
     " المشكلات التي قد تتلف بياناتك، لذا لا تتخطها إلا إذا كنت\n"
     " متأكدًا من أن التثبيت آمن.\n"
     " "},
    {"usage_list",
     " خيارات سرد المنتجات والإصدارات والمكونات:\n"
     "  --show-releases\n"
     " سرد الإصدارات المتاحة من المنتج المحدد (Zarni إذا لم يتم\n"
     " تحديد منتج)، مع معرّفات إصداراتها ومستوياتها. لا يسرد مثبت\n"
     " Zarni إلا إصدارات المستويات \"stable\" و\"release\" و\"current\"\n"
     " ما لم تستخدم --all-versions أو تحدد مستويات أخرى\n"
     " باستخدام --tier.\n"
     "  --show-all-releases\n"
     " سرد جميع المنتجات المتاحة وإصداراتها.\n"
     "  --show-os-list\n"
     " سرد أنظمة التشغيل التي تم إنشاء الإصدار المحدد لها.\n"
     "  --show-installation-types\n"
     " سرد أنواع التثبيت للإصدار المحدد.\n"
     "  --show-components\n"
     " سرد مكونات الإصدار المحدد وما إذا كان كل منها مثبتًا أو\n"
     " قابلاً للترقية أو محدثًا. استخدم معرّفات المكونات التي\n"
     " يعرضها مع --install-component و--remove-component.\n"
     "  --show-upgradable-components\n"
     " سرد المكونات القابلة للترقية فقط.\n"
     "  --show-options\n"
     " مع --show-components، عرض إعدادات كل مكون أيضًا. لا يمكن\n"
     " دمجه مع --show-upgradable-components.\n"
     "  --show-packages\n"
     " مع خيارات التثبيت أو الترقية أو الإزالة، عرض الحزم التي\n"
     " سيتم تثبيتها [I] أو ترقيتها [U] أو إزالتها [R] فقط، دون\n"
     " تغيير أي شيء.\n"
     " "},
    {"usage_automation",
     " خيارات التشغيل الآلي:\n"
     "  --enable-xml-output\n"
     " طباعة الإجابات ورسائل الحالة بتنسيق XML، للبرامج النصية\n"
     " والبرامج الأخرى. يتم عندئذٍ تشغيل التثبيت في الخلفية.\n"
     "  --query-status\n"
     " عرض ما إذا كان مثبت Zarni قيد التشغيل، وإذا كان كذلك،\n"
     " فمرحلة عمله وخطوته. تكون حالة الإجابة إحدى ما يلي:\n"
     "                           query_ok   - Zarni Installer is not running\n"
     "                           query_busy - Zarni Installer is running\n"
     "\n"
     "  --check-updates\n"
     " التحقق مما إذا كانت التحديثات متاحة للمنتج المحدد (Zarni\n"
     " إذا لم يتم تحديد منتج).\n"
     " مثال:\n"
     "                           --select-product-id zarni --check-updates\n"
     "  --no-daemon\n"
     " مع --enable-xml-output، التثبيت في المقدمة والانتظار حتى\n"
     " ينتهي التثبيت.\n"
     "\n"
     " "},
    {"usage_web",
     " خيارات واجهة الويب:\n"
     "  --web-interface\n"
     " تشغيل معالج التثبيت في مستعرض ويب بدلاً من وحدة التحكم.\n"
     " يتم تقديم المعالج على المنفذ 8447.\n"
     "  --ssl-cert <file.pem>\n"
     " ملف يحتوي على الشهادة والمفتاح الخاص لـ HTTPS. يتم\n"
     " افتراضيًا إنشاء شهادة موقعة ذاتيًا.\n"
     "  --without-ssl\n"
     " تقديم واجهة الويب عبر HTTP غير المشفر.\n"
     " "},
    {"usage_override",
     " خيارات تتجاوز نظام التشغيل المكتشف:\n"
     "  --override-os-name <arg>\n"
     " استخدام اسم نظام التشغيل المحدد بدلاً من الاسم المكتشف.\n"
     "  --override-os-vendor <arg>\n"
     " استخدام مورد نظام التشغيل المحدد بدلاً من المورد المكتشف.\n"
     "  --override-os-version <arg>\n"
     " استخدام نسخة نظام التشغيل المحددة بدلاً من النسخة\n"
     " المكتشفة.\n"
     "  --override-os-arch <arg>\n"
     " استخدام البنية المحددة بدلاً من البنية المكتشفة.\n"
     "  --override-environment <arg>\n"
     " استخدام البيئة المحددة بدلاً من البيئة المكتشفة:\n"
     " 'dedicated' أو 'cq'.\n"
     " "},
    {"usage_console",
     " خيارات واجهة وحدة التحكم التفاعلية:\n"
     "  --no-clear\n"
     " عدم مسح الشاشة عند التنقل بين صفحات المعالج.\n"
     " "},
    {"usage_feedback",
     " خيارات الملاحظات:\n"
     "  --enable-feedback\n"
     " السماح لـ مثبت Zarni بإرسال تقرير خطأ إلى مطوري Zarni عند\n"
     " حدوث مشكلة.\n"
     "  --disable-feedback\n"
     " عدم إرسال تقارير الأخطاء. يتذكر مثبت Zarni هذا الاختيار في\n"
     " عمليات التشغيل اللاحقة.\n"
     " "},
    {"usage_logging",
     " خيارات التسجيل والإشعارات:\n"
     "  --notify-email <email>\n"
     " عند انتهاء مثبت Zarni، إرسال تقرير بالنتيجة إلى عنوان\n"
     " البريد الإلكتروني المحدد.\n"
     "  --truncate-log\n"
     " إفراغ ملف سجل مثبت Zarni عند البدء.\n"
     "  --separate-logs\n"
     " كتابة ملف سجل منفصل لكل تشغيل لـ مثبت Zarni.\n"
     "  --debug\n"
     " كتابة معلومات تصحيح الأخطاء في ملف السجل.\n"
     " "},
    {"usage_help",
     " خيارات التعليمات والنسخة لـ مثبت Zarni:\n"
     "  --version\n"
     " عرض نسخة مثبت Zarni.\n"
     "  --usage,\n"
     "  --help\n"
     " عرض نظرة عامة على الواجهة المستندة إلى الأوامر.\n"
     "  --help-options\n"
     " عرض هذه التعليمات حول الواجهة المستندة إلى الخيارات.\n"
     " "},
    {"usage_obsolete",
     " خيارات قديمة:\n"
     "  --disable-zarni-sys-updates\n"
     " كان يُستخدم لإيقاف تحديثات نظام التشغيل المرفقة مع Zarni.\n"
     " لا يزال مقبولاً لكنه لم يعد يغير ما يتم تثبيته.\n"
     "  --install-everything\n"
     " تثبيت جميع مكونات إصدار المنتج المحدد.\n"
     " استخدم --installation-type 'Full' بدلاً منه.\n"
     "  --branch <tiers>\n"
     " مثل --tier.\n"
     "  --skip-branch-filter\n"
     " مثل --all-versions.\n"
     " "},
    {"usage_deprecated",
     " خيارات مهملة (مقبولة، لكن يتم تجاهلها مع تحذير):\n"
     "  --source-type\n"
     " كان يُستخدم لتعيين نوع مصدر التثبيت. يتم الآن التعرف على\n"
     " النوع من قيمة --source.\n"
     "  --add-source\n"
     " كان يُستخدم لإضافة مصدر حزم إضافي.\n"
     "  --show-additional-source-types\n"
     " كان يُستخدم لسرد أنواع مصادر الحزم الإضافية.\n"
     "  --show-additional-sources\n"
     " كان يُستخدم لسرد مصادر الحزم الإضافية.\n"
     "  --mirror-os\n"
     " كان يُستخدم لعكس نسخ المنتج لنظام تشغيل آخر.\n"
     "  --install-system-only\n"
     " كان يُستخدم لتثبيت حزم النظام فقط من Zarni Tenebrin.\n"
     "  --allow-kernel-install\n"
     " كان يُستخدم للسماح بتثبيت حزم النواة.\n"
     "  --disable-major-updates\n"
     " كان يُستخدم لمنع الترقية إلى إصدار رئيسي جديد. حدد الإصدار\n"
     " المراد تثبيته باستخدام --select-release-id\n"
     " أو --select-release-current بدلاً منه.\n"
     "  --upgrade-system-packages\n"
     " كان يُستخدم لترقية حزم نظام التشغيل أيضًا.\n"
     "  --reinstall-patch\n"
     " كان يُستخدم لإعادة تثبيت أحدث تصحيح للمنتجات المحددة.\n"
     " تتجاهل الواجهة المستندة إلى الأوامر --repatch بالطريقة\n"
     " نفسها.\n"
     "  --skip-patch\n"
     " كان يُستخدم لتخطي تثبيت التصحيحات. تتجاهله الواجهة\n"
     " المستندة إلى الأوامر بالطريقة نفسها.\n"
     "  --no-space-check\n"
     " كان يُستخدم لتخطي التحقق من مساحة القرص الخالية.\n"
     " "},
    {"usage_end",
     "راجع 'installer help' للحصول على معلومات حول الواجهة المستندة إلى الأوامر.\n"
     " "},
    {"usage_commands",
     "الاستخدام: installer COMMAND [OPTIONS]\n"
     "الأوامر:\n"
     "list سرد المنتجات والإصدارات والإعدادات المسبقة والمكونات المتاحة\n"
     "list-all سرد جميع المنتجات المتاحة وإصداراتها\n"
     "install تثبيت إصدار منتج\n"
     "update تثبيت أحدث تحديثات المنتجات المثبتة\n"
     "add إضافة مكونات إلى منتج مثبت\n"
     "remove إزالة مكونات من منتج مثبت\n"
     "upgrade ترقية منتج مثبت إلى إصدار آخر\n"
     "stop إيقاف مثبت منصة Zarni قيد التشغيل\n"
     "version عرض نسخة مثبت منصة Zarni\n"
     "help عرض التعليمات حول أمر\n"
     "\n"
     "راجع 'installer help COMMAND' للحصول على تعليمات حول أمر معين.\n"
     "راجع 'installer --help-options' للحصول على تعليمات حول الواجهة المستندة إلى الخيارات.\n"},
    {"usage_cmd_prefix", "الاستخدام: installer "},
    {"usage_cmd_version", "عرض نسخة مثبت Zarni."},
    {"usage_cmd_help",
     "بدون COMMAND، سرد الأوامر. مع COMMAND، عرض تعليمات ذلك الأمر؛\n"
     " أضف --verbose (-v) لرؤية المزيد من خياراته."},
    {"usage_cmd_list_all", "سرد جميع المنتجات المتاحة وإصداراتها."},
    {"usage_cmd_list",
     "سرد المنتجات والإصدارات المتاحة. لإصدار محدد (معرّف إصدار،\n"
     " أو معرّف منتج ونسخة)، سرد الإعدادات المسبقة لتثبيته (--presets)،\n"
     " أو مكوناته (--components، مع إعداداتها عند إضافة --options)،\n"
     " أو تكوين مدير حزم النظام له (--sources)."},
    {"usage_cmd_install",
     "تثبيت إصدار منتج. بدون محددات، يتم تثبيت أحدث إصدار متاح\n"
     " من Zarni. اختر المكونات بإعداد مسبق (--preset، الذي يعدّله --with\n"
     " و--without) أو سمّها باستخدام --components."},
    {"usage_cmd_upgrade",
     "ترقية منتج مثبت إلى إصدار آخر. سمِّ الإصدار بمعرّف إصداره،\n"
     " أو بمعرّف منتج ونسخة، أو بمعرّف منتج ومستوى (يتم أخذ أحدث إصدار\n"
     " من ذلك المستوى). بدون إصدار محدد، يتم سرد الإصدارات المتاحة."},
    {"usage_cmd_update",
     "تثبيت أحدث تحديثات جميع المنتجات المثبتة، أو PRODUCT فقط،\n"
     " دون ترقيتها إلى إصدار آخر."},
    {"usage_cmd_add", "إضافة مكونات إلى منتج مثبت."},
    {"usage_cmd_remove", "إزالة مكونات من منتج مثبت."},
    {"usage_cmd_add_remove_tail", "يمكن حذف اسم المنتج عندما يكون منتج واحد فقط مثبتًا. "},
    {"usage_cmd_stop",
     "إيقاف مثبت منصة Zarni قيد التشغيل. يتوقف عند النقطة الآمنة التالية؛\n"
     " مع --terminate يتوقف حتى أثناء تثبيت الحزم."},
    {"usage_components",
     "COMPONENTS هي قائمة بمعرّفات المكونات. افصل بينها بمسافات أو فواصل،\n"
     " أو كرر الخيار:\n"
     " --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"
     " "},
    {"usage_verbose", "أضف '--verbose' (أو '-v') لرؤية المزيد من الخيارات، و'--verbose=2' لرؤية جميع الخيارات."},
    {"usage_hdr_command_opts", "خيارات الأمر"},
    {"usage_hdr_general_opts", "خيارات عامة"},
    {"usage_hdr_download_opts", "خيارات التنزيل"},
    {"usage_hdr_proxy_opts", "خيارات الخادم الوكيل"},
    {"usage_hdr_skip_opts", "خيارات تخطي الخطوات"},
    {"usage_hdr_env_opts", "خيارات تجاوز نظام التشغيل"},
    {"usage_opt_source", "مصدر التثبيت: عنوان URL لخادم التحديث أو لمرآة، أو المسار المطلق لدليل محلي"},
    {"usage_opt_target", "دليل الملفات التي تم تنزيلها"},
    {"usage_opt_tries", "عدد مرات إعادة محاولة التنزيل الفاشل (الافتراضي: 3)"},
    {"usage_opt_ext", "عنوان URL لـ Extensions Catalog المراد استخدامه بدلاً من الذي يحدده المنتج"},
    {"usage_opt_proxy_host", "اسم مضيف الخادم الوكيل أو عنوان IP الخاص به"},
    {"usage_opt_proxy_port", "منفذ الخادم الوكيل (الافتراضي: 3128)"},
    {"usage_opt_proxy_user", "اسم المستخدم لمصادقة الخادم الوكيل"},
    {"usage_opt_proxy_pass", "كلمة المرور لمصادقة الخادم الوكيل"},
    {"usage_opt_skip_examine", "عدم تشغيل عمليات التحقق من المكونات والمنتج قبل التثبيت وبعده"},
    {"usage_opt_skip_gpg", "عدم التحقق من تواقيع GPG للحزم"},
    {"usage_opt_skip_cleanup", "الاحتفاظ بتكوين مستودعات الحزم عند خروج المثبت"},
    {"usage_opt_no_self_upgrade", "عدم استبدال مثبت Zarni بنسخة أحدث أو أقدم منه"},
    {"usage_opt_help", "عرض تعليمات الأمر"},
    {"usage_opt_xml", "طباعة الإجابات ورسائل الحالة بتنسيق XML"},
    {"usage_opt_debug", "كتابة معلومات تصحيح الأخطاء في ملف السجل"},
    {"usage_opt_truncate_log", "إفراغ ملف سجل مثبت Zarni عند البدء"},
    {"usage_opt_separate_log", "كتابة ملف سجل منفصل لكل تشغيل لـ مثبت Zarni"},
    {"usage_opt_email", "عند انتهاء مثبت Zarni، إرسال تقرير بالنتيجة إلى عنوان البريد الإلكتروني هذا"},
    {"usage_opt_verbose", "عرض المزيد من الخيارات في التعليمات: 1 لمزيد من الخيارات، 2 لجميع الخيارات"},
    {"usage_opt_completion", "طباعة خيارات الأمر لإكمال الأوامر في shell (JSON)"},
    {"usage_opt_override_os_name", "اسم نظام التشغيل المراد استخدامه بدلاً من الاسم المكتشف"},
    {"usage_opt_override_os_vendor", "مورد نظام التشغيل المراد استخدامه بدلاً من المورد المكتشف"},
    {"usage_opt_override_os_version", "نسخة نظام التشغيل المراد استخدامها بدلاً من النسخة المكتشفة"},
    {"usage_opt_override_os_arch", "البنية المراد استخدامها بدلاً من البنية المكتشفة"},
    {"usage_opt_override_env", "البيئة المراد استخدامها بدلاً من البيئة المكتشفة: 'dedicated' أو 'cq'"},
    {"usage_opt_list_presets", "سرد الإعدادات المسبقة لتثبيت الإصدار"},
    {"usage_opt_list_components", "سرد مكونات الإصدار"},
    {"usage_opt_list_options", "مع --components، عرض إعدادات كل مكون أيضًا"},
    {"usage_opt_dry_run", "عدم تغيير أي شيء؛ عرض الحزم التي سيتم تثبيتها [I] أو ترقيتها [U] أو إزالتها [R] فقط"},
    {"usage_opt_install_preset", "تثبيت مكونات هذا الإعداد المسبق (نوع التثبيت)، على سبيل المثال 'Recommended' أو 'Full'"},
    {"usage_opt_install_with", "المكونات المراد تثبيتها بالإضافة إلى الإعداد المسبق"},
    {"usage_opt_install_without", "مكونات الإعداد المسبق التي لن يتم تثبيتها"},
    {"usage_opt_install_components", "المكونات المراد تثبيتها بدلاً من إعداد مسبق"},
    {"usage_opt_install_options", "إعدادات المكونات، كل منها بالشكل name=value"},
    {"usage_opt_update_panel_only", "تثبيت تحديثات Zarni نفسه فقط، وليس تحديثات الخدمات الأخرى التي يديرها Zarni"},
    {"usage_opt_addremove_components", "المكونات المراد إضافتها أو إزالتها"},
    {"usage_opt_stop_terminate", "إيقاف مثبت منصة Zarni حتى أثناء تثبيت الحزم (إرسال SIGTERM بدلاً من SIGHUP)"},
    {"error_supp_need", "يمكنك البحث عن حل في موقع دعم Zarni على https://support.zarni.example/"},
    {"os_win2003_not_supported", "لم تعد منصة Zarni تدعم Windows Server 2003. وفقًا لسياسة دورة حياة Zarni (https://www.zarni.example/legal/lifecycle-policy/)، نوصي باستخدام نسخة أحدث من نظام التشغيل."},
    {"os_win2008_not_supported_product_installed", "لم تعد منصة Zarni تدعم Windows Server 2008. وفقًا لسياسة دورة حياة Zarni (https://www.zarni.example/legal/lifecycle-policy/)، نوصي باستخدام نسخة أحدث من نظام التشغيل. لنقل منصة Zarni إلى خادم بنظام تشغيل مدعوم، اتبع دليل الترحيل (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed", "لم تعد منصة Zarni تدعم Windows Server 2008. وفقًا لسياسة دورة حياة Zarni (https://www.zarni.example/legal/lifecycle-policy/)، نوصي باستخدام نسخة أحدث من نظام التشغيل."},
    {"os_win2008r2_not_supported_product_installed", "لم تعد منصة Zarni تدعم Windows Server 2008 R2. وفقًا لسياسة دورة حياة Zarni (https://www.zarni.example/legal/lifecycle-policy/)، نوصي باستخدام نسخة أحدث من نظام التشغيل. لنقل منصة Zarni إلى خادم بنظام تشغيل مدعوم، اتبع دليل الترحيل (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed", "لم تعد منصة Zarni تدعم Windows Server 2008 R2. وفقًا لسياسة دورة حياة Zarni (https://www.zarni.example/legal/lifecycle-policy/)، نوصي باستخدام نسخة أحدث من نظام التشغيل."},
};

}  // namespace

void loadInstallerMessages_ar(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
