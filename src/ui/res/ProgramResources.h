/* Resource identifiers shared by the programs' .rc files and their code. */
#ifndef VXL_PROGRAM_RESOURCES_H
#define VXL_PROGRAM_RESOURCES_H

/* The program icon: the lowest icon identifier, so that the shell shows it. */
#define VXL_IDI_PROGRAM 1

#endif
