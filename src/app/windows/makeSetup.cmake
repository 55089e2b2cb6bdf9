# cmake -P: installs the build tree into a stage, has wixl-heat make every file there a component
# of its own, and wixl build the package from that list and vrel-fileprint.wxs.
set(work ${BUILD}/setup)
file(REMOVE_RECURSE ${work})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${work}/stage
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${work} ${work}/stage/bin/*)
# The build's debugging symbols stay out, as they do from the Debian package.
foreach(file ${files})
  if(file MATCHES "[.](exe|dll)$")
    execute_process(COMMAND ${STRIP} --strip-unneeded ${work}/${file} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
list(JOIN files "\n" files)
file(WRITE ${work}/files.txt "${files}\n")
execute_process(COMMAND ${WIXL_HEAT} --prefix stage/bin/ --component-group Program --var var.Stage
                        --directory-ref INSTALLDIR --win64
                INPUT_FILE ${work}/files.txt OUTPUT_FILE ${work}/files.wxs COMMAND_ERROR_IS_FATAL ANY)
# wixl finds files only by names relative to the folders of its sources: all of them lie in one.
file(COPY ${WXS} DESTINATION ${work})
file(COPY_FILE ${ICON} ${work}/program.ico)
# libmsi converts the tables' strings to the code page of the language WINDOWS_LANGUAGE names, and
# breaks on Japanese in any other; the database is then marked as code page 932, which wixl
# cannot do. A half-made package never takes the place of the last good one.
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
                        ${WIXL} --arch x64 -D Version=${VERSION} -D Stage=stage/bin -D Icon=program.ico -D Win64=yes
                        -o package.msi vrel-fileprint.wxs files.wxs
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n932\t_ForceCodepage\r\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=ja
                        ${MSIBUILD} ${work}/package.msi -i ${work}/_ForceCodepage.idt
                COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${work}/package.msi ${MSI})
