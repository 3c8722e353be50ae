# Run by CPack between staging and packing: every folder of the package gets mode 0755.
# install() creates folders under the build's umask (CMake 3.25 masks even its default folder
# permissions), and dpkg would create missing system folders such as /usr/share/metainfo with
# whatever mode the package gives them.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY}
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
