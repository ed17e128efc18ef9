// Linked with the whole of one folder's library and only the libraries that folder may use: the link
// fails when the folder calls into a folder above it. Never run.
int main()
{
    return 0;
}
