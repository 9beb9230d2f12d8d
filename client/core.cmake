# The client's core: its settings file, the single-copy counter, the two
# small dialogs and the resource tables with the embedded artwork.
# Included by client/CMakeLists.txt.

set(QP_DEFAULT_NEWS_HOST "news.quillpost.co.kr" CACHE STRING
  "The news server the client uses when sys.con names none")

add_library(quillpost_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AlertDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpeedDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/res/resources.cpp
)
target_include_directories(quillpost_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(quillpost_core PRIVATE QP_DEFAULT_NEWS_HOST="${QP_DEFAULT_NEWS_HOST}")
target_link_libraries(quillpost_core PUBLIC platform_afx platform_user quillpost_resource_ids
  PRIVATE quillpost_embedded_resources)
